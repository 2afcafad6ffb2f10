#include "ui/stats/stat_chart_view.h"

#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QPainterPath>

namespace tessaly {
namespace {

// At 100 percent the depth is a fifth of the chart's smaller side.
constexpr qreal kDepthAtFullPercent = 0.2;
constexpr qreal kFaceDarker = 140;      // QColor::darker factor of the side faces
constexpr qreal kTopLighter = 115;      // QColor::lighter factor of the top faces
constexpr qreal kMarkPadding = 2;
constexpr int kMarkPoints = 7;
// A printed chart is laid out this wide (in the screen's pixels) before it is scaled to paper.
constexpr qreal kPrintWidth = 720;
constexpr qreal kMarkGap = 4;
const QColor kMarkBackground(255, 255, 225);  // the pale yellow of hint boxes

QPolygonF face(const QPointF& a, const QPointF& b, const QPointF& depth) { return QPolygonF({a, b, b + depth, a + depth}); }

}  // namespace

StatChartView::StatChartView(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  setFrameShape(QFrame::NoFrame);
  setFaceColour(QColor());
}

void StatChartView::setStatChart(QChart* newChart, ChartOverlay overlay) {
  QChart* old = chart();
  overlay_ = std::move(overlay);
  baseMargins_ = newChart->margins();
  newChart->setBackgroundBrush(faceColour_);
  setChart(newChart);
  delete old;
  applyDepthMargins();
  viewport()->update();
}

void StatChartView::setDepthPercent(int percent) {
  if (percent == depthPercent_) return;
  depthPercent_ = percent;
  applyDepthMargins();
  viewport()->update();
}

void StatChartView::setFaceColour(const QColor& colour) {
  faceColour_ = colour.isValid() ? colour : palette().color(QPalette::Window);
  chart()->setBackgroundBrush(faceColour_);
  setBackgroundBrush(faceColour_);
}

QPointF StatChartView::depthOffset() const {
  const QSizeF size = chart()->size();
  const qreal length = depthPercent_ / 100.0 * kDepthAtFullPercent * qMin(size.width(), size.height());
  return {length, -length};
}

void StatChartView::applyDepthMargins() {
  const bool deep = !overlay_.bars.empty() || !overlay_.lines.empty();
  const QPointF depth = deep ? depthOffset() : QPointF();
  chart()->setMargins(baseMargins_ + QMargins(0, int(-depth.y()), int(depth.x()), 0));
}

void StatChartView::renderChart(QPainter& painter, const QRectF& target) {
  // Laid out again at a page's proportions and a size where the legend and the labels have
  // room, then scaled into the target; the chart on screen is laid out back as it was.
  const QSizeF shown = chart()->size();
  const QSizeF paper = target.size().scaled(QSizeF(kPrintWidth, kPrintWidth), Qt::KeepAspectRatio);
  chart()->resize(paper);
  chart()->layout()->activate();
  applyDepthMargins();
  chart()->layout()->activate();
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / paper.width(), target.height() / paper.height());
  scene()->render(&painter, QRectF(QPointF(), paper), QRectF(chart()->pos(), paper));
  painter.translate(-chart()->pos());
  paintOverlay(painter);
  painter.restore();
  chart()->resize(shown);
  applyDepthMargins();
}

void StatChartView::drawForeground(QPainter* painter, const QRectF& rect) {
  QChartView::drawForeground(painter, rect);
  paintOverlay(*painter);
}

void StatChartView::paintOverlay(QPainter& painter) {
  if (!overlay_.series || !overlay_.series->chart()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  // Chart positions are the chart item's; the item may not sit at the scene's origin.
  painter.translate(chart()->pos());
  const QPointF depth = depthOffset();
  drawLines(painter, depth);
  drawBars(painter, depth);
  drawMarks(painter, depth);
  painter.restore();
}

void StatChartView::drawBars(QPainter& painter, const QPointF& depth) {
  if (depthPercent_ <= 0) return;
  for (const DepthBar& bar : overlay_.bars) {
    const QRectF front = QRectF(chart()->mapToPosition(bar.corner1, overlay_.series),
                                chart()->mapToPosition(bar.corner2, overlay_.series))
                             .normalized();
    if (front.width() < 1 && front.height() < 1) continue;
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(bar.colour.darker(int(kFaceDarker)));
    painter.drawPolygon(face(front.topRight(), front.bottomRight(), depth));
    if (bar.topShown) {
      painter.setBrush(bar.colour.lighter(int(kTopLighter)));
      painter.drawPolygon(face(front.topLeft(), front.topRight(), depth));
    }
  }
}

void StatChartView::drawLines(QPainter& painter, const QPointF& depth) {
  if (depthPercent_ <= 0) return;
  // Each line stands in its own slot of the depth, the first one at the back.
  const qreal slots = qreal(overlay_.lines.size());
  for (size_t i = 0; i < overlay_.lines.size(); ++i) {
    const DepthLine& line = overlay_.lines[i];
    const QPointF back = depth * ((slots - qreal(i)) / slots);
    const QPointF front = depth * ((slots - qreal(i) - 1) / slots);
    painter.setPen(QPen(line.colour.darker(int(kFaceDarker)), 0));
    painter.setBrush(line.colour.lighter(int(kTopLighter)));
    for (size_t p = 0; p + 1 < line.points.size(); ++p) {
      const QPointF a = chart()->mapToPosition(line.points[p], overlay_.series) + front;
      const QPointF b = chart()->mapToPosition(line.points[p + 1], overlay_.series) + front;
      painter.drawPolygon(face(a, b, back - front));
    }
  }
}

void StatChartView::drawMarks(QPainter& painter, const QPointF& depth) {
  QFont small = font();
  small.setPointSize(kMarkPoints);
  painter.setFont(small);
  const QFontMetricsF metrics(small, painter.device());
  for (const BarMark& mark : overlay_.marks) {
    const QPointF at = chart()->mapToPosition(mark.at, overlay_.series);
    QRectF box = metrics.boundingRect(mark.text).adjusted(-kMarkPadding, 0, kMarkPadding, 0);
    if (mark.centred) {
      box.moveCenter(at);
    } else if (overlay_.barDirection == Qt::Horizontal) {
      box.moveCenter(QPointF(at.x() + depth.x() + kMarkGap + box.width() / 2, at.y() + depth.y() / 2));
    } else {
      box.moveCenter(QPointF(at.x() + depth.x() / 2, at.y() + depth.y() - kMarkGap - box.height() / 2));
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(kMarkBackground);
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, mark.text);
  }
}

void StatChartView::mouseReleaseEvent(QMouseEvent* event) {
  QChartView::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Q_EMIT clicked();
}

}  // namespace tessaly
