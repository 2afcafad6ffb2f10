#pragma once

#include <QChartView>
#include <QColor>
#include <vector>

namespace tessaly {

// A value mark beside a bar: its text and where it stands, in the series' values.
struct BarMark {
  QPointF at;          // the bar's end (value, category) or a segment's middle
  QString text;
  bool centred = false;  // on the segment rather than beyond the bar's end
};

// One bar's box in the series' values (two opposite corners), for its 3-D faces.
struct DepthBar {
  QPointF corner1;
  QPointF corner2;
  QColor colour;
  bool topShown = true;  // false where a stacked segment lies on top of it
};

// A line drawn as a ribbon going back into the depth.
struct DepthLine {
  std::vector<QPointF> points;
  QColor colour;
};

// What the view draws over the chart of its series.
struct ChartOverlay {
  QAbstractSeries* series = nullptr;  // the values of marks, bars and lines are this series'
  Qt::Orientation barDirection = Qt::Vertical;
  std::vector<BarMark> marks;
  std::vector<DepthBar> bars;
  std::vector<DepthLine> lines;
};

// A chart of the statistics window. Qt Charts draws the series; the view adds what the
// toolkit has no word for: value marks beside the bars and the charts' 3-D depth, both
// drawn as vectors so they stay sharp at any scale and on paper.
class StatChartView final : public QChartView {
  Q_OBJECT
 public:
  explicit StatChartView(QWidget* parent = nullptr);

  // Shows a new chart (the old one is deleted) with what is drawn over it.
  void setStatChart(QChart* chart, ChartOverlay overlay = {});
  const ChartOverlay& overlay() const { return overlay_; }

  // The depth in percent (0 flat); the faces take room at the chart's top and right.
  void setDepthPercent(int percent);
  int depthPercent() const { return depthPercent_; }

  // The face colour behind the chart, white on paper; an invalid colour is the window's face.
  void setFaceColour(const QColor& colour);

  // Draws the chart and its overlay into the rectangle (a printer page, an image), laid out
  // for the rectangle's proportions.
  void renderChart(QPainter& painter, const QRectF& target);

 Q_SIGNALS:
  void clicked();

 protected:
  void drawForeground(QPainter* painter, const QRectF& rect) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPointF depthOffset() const;
  void paintOverlay(QPainter& painter);
  void applyDepthMargins();
  void drawBars(QPainter& painter, const QPointF& depth);
  void drawLines(QPainter& painter, const QPointF& depth);
  void drawMarks(QPainter& painter, const QPointF& depth);

  ChartOverlay overlay_;
  QMargins baseMargins_;
  int depthPercent_ = 0;
  QColor faceColour_;
};

}  // namespace tessaly
