#include "ui/stats/chart_builders.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <cmath>

#include "core/stats/record_views.h"
#include "ui/stats/stat_chart_view.h"

namespace tessaly {
namespace {

constexpr qreal kBarWidth = 0.7;
constexpr qreal kBareBarWidth = 0.45;
// Bare bars leave this much of the value range beyond the longest bar for its mark.
constexpr qreal kRoomForMarks = 1.6;
constexpr qreal kSideBySideWidth = 0.8;
constexpr qreal kPullOut = 0.1;
constexpr int kValueTicks = 5;
constexpr int kPercentDecimals = 1;
constexpr qreal kLastHalfHour = 47.9583;
constexpr int kSlotsPerHour = 2;
constexpr int kUpright = -90;  // degrees: labels read from the bottom up
constexpr qreal kHalfCategory = 0.5;
constexpr int kChartMargin = 4;
// Charts are small pages of a small window: their texts are small too.
constexpr int kTitlePoints = 9;
constexpr int kLabelPoints = 7;

QFont chartFont(int points, bool bold = false) {
  QFont font;
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}

void useSmallLabels(QAbstractAxis* axis) {
  axis->setLabelsFont(chartFont(kLabelPoints));
  axis->setTitleFont(chartFont(kLabelPoints, true));
}

QColor colourOf(Rgb rgb) { return QColor::fromRgb(QRgb(rgb)); }

QChart* newChart(const QString& title) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->setTitleFont(chartFont(kTitlePoints, true));
  chart->legend()->setFont(chartFont(kLabelPoints));
  chart->setBackgroundRoundness(0);
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setMargins(QMargins(kChartMargin, kChartMargin, kChartMargin, kChartMargin));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  return chart;
}

// A value axis whose labels carry thousands separators (Qt's own take printf formats).
QCategoryAxis* valueAxis(double largest, const QString& suffix) {
  auto* axis = new QCategoryAxis;
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  const double top = largest > 0 ? largest : 1.0;
  const double rough = top / kValueTicks;
  const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
  double step = magnitude;
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    step = factor * magnitude;
    if (step >= rough) break;
  }
  const int decimals = std::max(0, int(-std::floor(std::log10(step))));
  const double end = std::ceil(top / step) * step;
  axis->setRange(0, end);
  axis->setStartValue(0);
  axis->append(formatMark(0, 0, suffix), 0);
  for (int tick = 1; tick * step <= end + step / 2; ++tick)
    axis->append(formatMark(tick * step, decimals, suffix), tick * step);
  return axis;
}

// The bars' labels, one at each bar. Qt's bar category axis cuts labels short beside
// horizontal bars, so the labels stand on a category axis of values 0, 1, 2 ...
QCategoryAxis* barLabels(const QStringList& labels) {
  auto* axis = new QCategoryAxis;
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axis->setRange(-kHalfCategory, qMax(qreal(labels.size()), 1.0) - kHalfCategory);
  axis->setStartValue(-kHalfCategory);
  for (qsizetype i = 0; i < labels.size(); ++i) axis->append(labels[i], qreal(i));
  axis->setGridLineVisible(false);
  return axis;
}

double largestValue(const std::vector<ChartPoint>& points) {
  double largest = 0;
  for (const ChartPoint& point : points) largest = std::max(largest, point.value);
  return largest;
}

QStringList labelsOf(const std::vector<ChartPoint>& points) {
  QStringList labels;
  for (const ChartPoint& point : points) labels.append(point.label);
  return labels;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* horizontal, QAbstractAxis* vertical) {
  chart->addSeries(series);
  if (horizontal) {
    useSmallLabels(horizontal);
    chart->addAxis(horizontal, Qt::AlignBottom);
    series->attachAxis(horizontal);
  }
  if (vertical) {
    useSmallLabels(vertical);
    chart->addAxis(vertical, Qt::AlignLeft);
    series->attachAxis(vertical);
  }
}

ChartOverlay overlayOf(QAbstractSeries* series, Qt::Orientation barDirection) {
  ChartOverlay overlay;
  overlay.series = series;
  overlay.barDirection = barDirection;
  return overlay;
}

QString markText(const MarkFormat& format, double value, double share) {
  return formatMark(format.shareOfTotal ? share : value, format.decimals, format.suffix);
}

}  // namespace

void showPaletteBars(StatChartView& view, const ChartData& data, const MarkFormat& marks) {
  QChart* chart = newChart(data.title);
  auto* series = new QHorizontalStackedBarSeries;
  series->setBarWidth(kBarWidth);
  ChartOverlay overlay = overlayOf(series, Qt::Horizontal);
  const ChartSeries& points = data.series.front();
  const std::vector<double> shares = sharesOfTotal(points);
  // One set per bar, empty beside its own category, so that every bar has its colour and
  // the legend names it.
  for (size_t i = 0; i < points.points.size(); ++i) {
    const ChartPoint& point = points.points[i];
    auto* set = new QBarSet(point.label);
    for (size_t j = 0; j < points.points.size(); ++j) set->append(i == j ? point.value : 0.0);
    set->setColor(colourOf(point.colour));
    set->setBorderColor(Qt::black);
    series->append(set);
    const qreal y = qreal(i);
    if (point.value > 0) overlay.marks.push_back({QPointF(point.value, y), markText(marks, point.value, shares[i])});
    overlay.bars.push_back({QPointF(0, y - kBarWidth / 2), QPointF(point.value, y + kBarWidth / 2), colourOf(point.colour)});
  }
  attach(chart, series, valueAxis(largestValue(points.points), QString()), barLabels(labelsOf(points.points)));
  chart->legend()->setAlignment(Qt::AlignRight);
  view.setStatChart(chart, std::move(overlay));
}

void showSideBySideBars(StatChartView& view, const ChartData& data) {
  QChart* chart = newChart(data.title);
  auto* series = new QHorizontalBarSeries;
  series->setBarWidth(kSideBySideWidth);
  ChartOverlay overlay = overlayOf(series, Qt::Horizontal);
  double largest = 0;
  const qreal slot = kSideBySideWidth / qreal(data.series.size());
  for (size_t s = 0; s < data.series.size(); ++s) {
    const ChartSeries& source = data.series[s];
    auto* set = new QBarSet(source.title);
    set->setColor(colourOf(source.colour));
    set->setBorderColor(Qt::black);
    for (size_t i = 0; i < source.points.size(); ++i) {
      const qreal low = qreal(i) - kSideBySideWidth / 2 + qreal(s) * slot;
      set->append(source.points[i].value);
      overlay.bars.push_back({QPointF(0, low), QPointF(source.points[i].value, low + slot), colourOf(source.colour)});
    }
    largest = std::max(largest, largestValue(source.points));
    series->append(set);
  }
  attach(chart, series, valueAxis(largest, QString()), barLabels(labelsOf(data.series.front().points)));
  chart->legend()->setAlignment(Qt::AlignRight);
  view.setStatChart(chart, std::move(overlay));
}

void showBareBars(StatChartView& view, const std::vector<ChartPoint>& bars, const MarkFormat& marks) {
  QChart* chart = newChart(QString());
  auto* series = new QHorizontalBarSeries;
  series->setBarWidth(kBareBarWidth);
  ChartOverlay overlay = overlayOf(series, Qt::Horizontal);
  auto* set = new QBarSet(QString());
  for (size_t i = 0; i < bars.size(); ++i) {
    set->append(bars[i].value);
    overlay.marks.push_back({QPointF(bars[i].value, qreal(i)), markText(marks, bars[i].value, bars[i].value)});
  }
  if (!bars.empty()) set->setColor(colourOf(bars.front().colour));
  set->setBorderColor(Qt::black);
  series->append(set);
  auto* values = new QValueAxis;
  // Room for the marks beyond the longest bar.
  values->setRange(0, std::max(largestValue(bars), 1.0) * kRoomForMarks);
  values->setVisible(false);
  QCategoryAxis* categories = barLabels(QStringList(qsizetype(bars.size()), QString()));
  categories->setVisible(false);
  attach(chart, series, values, categories);
  chart->legend()->hide();
  chart->setMargins(QMargins());
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setBackgroundVisible(false);
  view.setStatChart(chart, std::move(overlay));
}

void showSpaceBars(StatChartView& view, const SpaceView& space) {
  QChart* chart = newChart(QString());
  auto* series = new QStackedBarSeries;
  series->setBarWidth(kBarWidth);
  auto* used = new QBarSet(QStringLiteral("Used Space"));
  auto* free = new QBarSet(QStringLiteral("Free Space"));
  used->setColor(colourOf(kBlue));
  free->setColor(colourOf(kFuchsia));
  ChartOverlay overlay = overlayOf(series, Qt::Vertical);
  const QString suffix = u' ' + space.unit;
  QStringList labels;
  double largest = 0;
  for (size_t i = 0; i < space.bars.size(); ++i) {
    const SpaceBar& bar = space.bars[i];
    used->append(bar.used);
    free->append(bar.free);
    labels.append(bar.label);
    largest = std::max(largest, bar.used + bar.free);
    const qreal x = qreal(i);
    const qreal left = x - kBarWidth / 2;
    const qreal right = x + kBarWidth / 2;
    overlay.bars.push_back({QPointF(left, 0), QPointF(right, bar.used), colourOf(kBlue), bar.free <= 0});
    overlay.bars.push_back({QPointF(left, bar.used), QPointF(right, bar.used + bar.free), colourOf(kFuchsia)});
    overlay.marks.push_back({QPointF(x, bar.used / 2), formatMark(bar.used, 0, suffix), true});
    overlay.marks.push_back({QPointF(x, bar.used + bar.free / 2), formatMark(bar.free, 0, suffix), true});
  }
  for (QBarSet* set : {used, free}) {
    set->setBorderColor(Qt::black);
    series->append(set);
  }
  attach(chart, series, barLabels(labels), valueAxis(largest, suffix));
  chart->legend()->hide();  // the page has its own legend squares
  view.setStatChart(chart, std::move(overlay));
}

void showPie(StatChartView& view, const QString& title, const std::vector<ChartPoint>& slices, const PieLook& look) {
  QChart* chart = newChart(title);
  auto* series = new QPieSeries;
  double whole = 0;
  for (const ChartPoint& slice : slices) whole += slice.value;
  for (const ChartPoint& point : slices) {
    const double share = whole > 0 ? point.value * 100.0 / whole : 0.0;
    QPieSlice* slice = series->append(point.label, point.value);
    slice->setColor(colourOf(point.colour));
    slice->setBorderColor(Qt::black);
    if (look.sliceLabels) {
      slice->setLabel(point.label + u' ' + formatMark(share, kPercentDecimals, QStringLiteral(" %")));
      slice->setLabelVisible(true);
    }
  }
  if (look.pullLargest && !series->slices().isEmpty()) {
    series->slices().back()->setExploded(true);
    series->slices().back()->setExplodeDistanceFactor(kPullOut);
  }
  series->setLabelsPosition(QPieSlice::LabelOutside);
  for (QPieSlice* slice : series->slices()) slice->setLabelFont(chartFont(kLabelPoints));
  chart->addSeries(series);
  chart->legend()->hide();
  view.setStatChart(chart, {});
}

void turnPie(StatChartView& view, int angle) {
  for (QAbstractSeries* series : view.chart()->series()) {
    if (auto* pie = qobject_cast<QPieSeries*>(series)) {
      pie->setPieStartAngle(angle);
      pie->setPieEndAngle(angle + kFullTurn);
    }
  }
}

void showLines(StatChartView& view, const ChartData& data, const std::vector<bool>& shown, const QString& bottomTitle,
               const QString& leftTitle) {
  QChart* chart = newChart(data.title);
  auto* slots = new QCategoryAxis;
  slots->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  slots->setRange(0, kLastHalfHour);
  slots->setLabelsAngle(kUpright);
  slots->setTitleText(bottomTitle);
  useSmallLabels(slots);
  // Every hour's label: all 48 half-hours do not fit side by side.
  const std::vector<ChartPoint>& halfHours = data.series.front().points;
  for (size_t i = 0; i < halfHours.size(); i += kSlotsPerHour) slots->append(halfHours[i].label, qreal(i));
  double largest = 0;
  for (const ChartSeries& source : data.series) largest = std::max(largest, largestValue(source.points));
  QCategoryAxis* counts = valueAxis(largest, QString());
  counts->setTitleText(leftTitle);
  useSmallLabels(counts);
  chart->addAxis(slots, Qt::AlignBottom);
  chart->addAxis(counts, Qt::AlignLeft);
  ChartOverlay overlay;
  overlay.barDirection = Qt::Horizontal;
  for (size_t s = 0; s < data.series.size(); ++s) {
    const ChartSeries& source = data.series[s];
    auto* line = new QLineSeries;
    line->setName(source.title);
    line->setColor(colourOf(source.colour));
    DepthLine ribbon{{}, colourOf(source.colour)};
    for (size_t i = 0; i < source.points.size(); ++i) {
      line->append(qreal(i), source.points[i].value);
      ribbon.points.emplace_back(qreal(i), source.points[i].value);
    }
    chart->addSeries(line);
    line->attachAxis(slots);
    line->attachAxis(counts);
    const bool visible = s >= shown.size() || shown[s];
    line->setVisible(visible);
    for (QLegendMarker* marker : chart->legend()->markers(line)) marker->setVisible(visible);
    if (visible) overlay.lines.push_back(std::move(ribbon));
    if (!overlay.series) overlay.series = line;
  }
  chart->legend()->setAlignment(Qt::AlignTop);
  view.setStatChart(chart, std::move(overlay));
}

}  // namespace tessaly
