#pragma once

#include <QString>
#include <vector>

#include "core/stats/chart_data.h"
#include "core/stats/space_view.h"

namespace tessaly {

class StatChartView;

// How the value marks of a bar chart read.
struct MarkFormat {
  int decimals = 0;
  QString suffix;
  bool shareOfTotal = false;  // the bar's percentage of all bars rather than its value
};

// The Sizes and date charts: horizontal bars, one per point in its own colour, the legend
// naming each bar, marks as asked.
void showPaletteBars(StatChartView& view, const ChartData& data, const MarkFormat& marks);
// The combined chart: the series' bars side by side per label, no marks.
void showSideBySideBars(StatChartView& view, const ChartData& data);
// Small horizontal bars without axes or legend, the first point at the bottom, each with its
// value as mark (the Attribute and Overhang pages).
void showBareBars(StatChartView& view, const std::vector<ChartPoint>& bars, const MarkFormat& marks);
// The Space page: used space below, free space on top, a stacked bar per drive.
void showSpaceBars(StatChartView& view, const SpaceView& space);
// A pie turned to the angle; slices labelled with their label and share when asked. The
// largest slice (the last) is pulled out when asked.
struct PieLook {
  bool sliceLabels = false;
  bool pullLargest = false;
};
void showPie(StatChartView& view, const QString& title, const std::vector<ChartPoint>& slices, const PieLook& look);
void turnPie(StatChartView& view, int angle);
// The Time page: a line per series without point markers over the 48 half-hours; hidden
// series keep no legend entry.
void showLines(StatChartView& view, const ChartData& data, const std::vector<bool>& shown, const QString& bottomTitle,
               const QString& leftTitle);

}  // namespace tessaly
