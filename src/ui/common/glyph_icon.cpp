#include "ui/common/glyph_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace tessaly {
namespace {

// Paints the glyph at whatever size the button asks for, so it stays sharp when scaled.
class GlyphEngine final : public QIconEngine {
 public:
  explicit GlyphEngine(GlyphPainter painter) : painter_(painter) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 16.0, rect.height() / 16.0);
    if (mode == QIcon::Disabled) painter->setOpacity(0.4);
    painter_(*painter);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    QPixmap pixmap(size * scale);
    pixmap.fill(Qt::transparent);
    {
      QPainter painter(&pixmap);
      paint(&painter, QRect(QPoint(0, 0), pixmap.size()), mode, state);
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  }

  QIconEngine* clone() const override { return new GlyphEngine(painter_); }

 private:
  GlyphPainter painter_;
};

const QColor kPaper(255, 255, 255);
const QColor kFolderYellow(240, 200, 70);

}  // namespace

QIcon glyphIcon(GlyphPainter painter) { return QIcon(new GlyphEngine(painter)); }

void drawPage(QPainter& p, const QRectF& r, const QColor& lines) {
  QPainterPath outline;
  const qreal fold = r.width() * 0.35;
  outline.moveTo(r.topLeft());
  outline.lineTo(r.right() - fold, r.top());
  outline.lineTo(r.right(), r.top() + fold);
  outline.lineTo(r.bottomRight());
  outline.lineTo(r.bottomLeft());
  outline.closeSubpath();
  p.setPen(QPen(kGlyphOutline, 0.8));
  p.setBrush(kPaper);
  p.drawPath(outline);
  p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
  p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
  p.setPen(QPen(lines, 0.9));
  for (qreal y = r.top() + fold + 1.5; y < r.bottom() - 1; y += 2)
    p.drawLine(QPointF(r.left() + 1.5, y), QPointF(r.right() - 1.5, y));
}

void drawFolder(QPainter& p, const QRectF& r) {
  QPainterPath shape;
  shape.moveTo(r.left(), r.top() + 2);
  shape.lineTo(r.left() + r.width() * 0.4, r.top() + 2);
  shape.lineTo(r.left() + r.width() * 0.5, r.top());
  shape.lineTo(r.right(), r.top());
  shape.lineTo(r.bottomRight());
  shape.lineTo(r.bottomLeft());
  shape.closeSubpath();
  p.setPen(QPen(kGlyphOutline, 0.8));
  p.setBrush(kFolderYellow);
  p.drawPath(shape);
  p.setBrush(kFolderYellow.lighter(120));
  p.drawRect(QRectF(r.left(), r.top() + 3.5, r.width(), r.height() - 3.5));
}

}  // namespace tessaly
