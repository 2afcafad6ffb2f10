#include "ui/main/tool_glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace tessaly {
namespace {

const QColor kHogRed(200, 30, 30);

void upArrow(QPainter& p, const QPointF& tip, qreal size) {
  QPolygonF arrow;
  arrow << tip << tip + QPointF(size / 2, size / 2) << tip + QPointF(size / 5, size / 2)
        << tip + QPointF(size / 5, size) << tip + QPointF(-size / 5, size) << tip + QPointF(-size / 5, size / 2)
        << tip + QPointF(-size / 2, size / 2);
  p.setPen(QPen(kHogRed.darker(140), 0.6));
  p.setBrush(kHogRed);
  p.drawPolygon(arrow);
}

}  // namespace

namespace glyphs {

void duplicateFiles(QPainter& p) {
  drawPage(p, QRectF(1.5, 0.5, 9, 11), QColor(120, 120, 120));
  drawPage(p, QRectF(5.5, 4.5, 9, 11), QColor(40, 90, 200));
}

void fileHogs(QPainter& p) {
  drawPage(p, QRectF(1.5, 0.5, 10, 15), QColor(120, 120, 120));
  upArrow(p, QPointF(12, 4), 8);
}

void filesAccessed(QPainter& p) {
  p.setPen(QPen(kGlyphOutline, 1.0));
  p.setBrush(QColor(250, 250, 235));
  p.drawEllipse(QPointF(8, 8), 7, 7);
  p.setPen(QPen(kGlyphOutline, 0.6));
  for (int hour = 0; hour < 12; ++hour) {
    p.save();
    p.translate(8, 8);
    p.rotate(hour * 30);
    p.drawLine(QPointF(0, -6), QPointF(0, hour % 3 == 0 ? -4.6 : -5.3));
    p.restore();
  }
  p.setPen(QPen(QColor(30, 60, 160), 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
  p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
}

void folderHogs(QPainter& p) {
  drawFolder(p, QRectF(0.5, 4.5, 12, 10));
  upArrow(p, QPointF(12.5, 0.5), 7);
}

void quickClean(QPainter& p) {
  p.setPen(QPen(QColor(130, 80, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14.5, 1.5), QPointF(7.5, 8.5));
  QPolygonF bristles;
  bristles << QPointF(6, 7) << QPointF(9, 10) << QPointF(5, 15.5) << QPointF(0.5, 11);
  p.setPen(QPen(QColor(150, 110, 20), 0.7));
  p.setBrush(QColor(235, 190, 60));
  p.drawPolygon(bristles);
  p.setPen(QPen(QColor(150, 110, 20), 0.5));
  for (qreal t = 0.25; t < 1.0; t += 0.25)
    p.drawLine(QPointF(6 + 3 * t, 7 + 3 * t), QPointF(0.5 + 4.5 * t, 11 + 4.5 * t));
}

void statistics(QPainter& p) {
  const QRectF pie(1, 1, 14, 14);
  p.setPen(QPen(kGlyphOutline, 0.7));
  p.setBrush(QColor(40, 100, 210));
  p.drawPie(pie, 90 * 16, 160 * 16);
  p.setBrush(QColor(230, 60, 50));
  p.drawPie(pie, 250 * 16, 70 * 16);
  p.setBrush(QColor(250, 200, 40));
  p.drawPie(pie, 320 * 16, 130 * 16);
}

void browse(QPainter& p) {
  drawFolder(p, QRectF(0.5, 1.5, 11, 9));
  p.setPen(QPen(QColor(90, 60, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(12, 12), QPointF(15, 15));
  p.setPen(QPen(kGlyphOutline, 1.1));
  p.setBrush(QColor(200, 230, 255, 210));
  p.drawEllipse(QPointF(9.5, 9.5), 3.5, 3.5);
}

void clearInternetFiles(QPainter& p) {
  const QPointF centre(8, 8);
  p.setPen(QPen(QColor(20, 60, 130), 0.9));
  p.setBrush(QColor(70, 140, 230));
  p.drawEllipse(centre, 7, 7);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(220, 240, 255), 0.7));
  p.drawEllipse(centre, 3, 7);
  p.drawLine(QPointF(8, 1), QPointF(8, 15));
  p.drawLine(QPointF(1, 8), QPointF(15, 8));
  p.drawLine(QPointF(2.2, 4.5), QPointF(13.8, 4.5));
  p.drawLine(QPointF(2.2, 11.5), QPointF(13.8, 11.5));
}

void unzipArchive(QPainter& p) {
  p.setPen(QPen(kGlyphOutline, 0.8));
  p.setBrush(QColor(150, 110, 200));
  p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(235, 235, 235));
  for (int tooth = 0; tooth < 5; ++tooth) {
    p.drawRect(QRectF(tooth % 2 ? 8 : 6.5, 1 + tooth * 1.6, 1.5, 1.2));
  }
  p.setPen(QPen(kGlyphOutline, 0.6));
  p.setBrush(QColor(250, 220, 90));
  p.drawRect(QRectF(6, 9, 4, 4.5));
}

void buildSafeHarbor(QPainter& p) {
  QPainterPath shield;
  shield.moveTo(8, 0.5);
  shield.cubicTo(10.5, 2, 12.5, 2.5, 14.5, 2.5);
  shield.cubicTo(14.5, 9, 12.5, 13, 8, 15.5);
  shield.cubicTo(3.5, 13, 1.5, 9, 1.5, 2.5);
  shield.cubicTo(3.5, 2.5, 5.5, 2, 8, 0.5);
  p.setPen(QPen(QColor(20, 60, 30), 0.9));
  p.setBrush(QColor(50, 150, 70));
  p.drawPath(shield);
  p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF{QPointF(4.5, 8), QPointF(7, 10.5), QPointF(11.5, 5)});
}

}  // namespace glyphs
}  // namespace tessaly
