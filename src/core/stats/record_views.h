#pragma once

#include <array>

#include "core/grid/result_table.h"
#include "core/stats/chart_data.h"
#include "core/stats/statistics_record.h"

namespace tessaly {

// The grids and charts of the Sizes, Access, Created, Modified, Combined, Attribute and Time
// pages, made from a run's record.

inline constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;

// Sizes page: the largest class on top; the chart has a bar per class, smallest first.
ResultTable sizesGrid(const StatisticsRecord& record);
// "File Sizes in MB" with the bytes in MB, or "Number of Files" with the counts.
ChartData sizesChart(const StatisticsRecord& record, bool bySize);

// The three dates a file's age is taken from, in page order.
enum class DateKind { Accessed, Created, Modified };
inline constexpr std::array<DateKind, 3> kDateKinds{DateKind::Accessed, DateKind::Created, DateKind::Modified};

// "Accessed Date", "Created Date", "Modified Date": the grid's first heading.
QString dateGridTitle(DateKind kind);
// Ages from "Over 4 years" at the top down to "Not recorded".
ResultTable dateGrid(const StatisticsRecord& record, DateKind kind);
// "Access Date (file sizes in MB)" or "... (Number of files)": a bar per age class, "Not
// recorded" first, coloured from the palette.
ChartData dateChart(const StatisticsRecord& record, DateKind kind, bool bySize);

ResultTable combinedGrid(const StatisticsRecord& record);
// Three series side by side, "Modified" red, "Created" lime, "Accessed" blue, each point in
// its series' colour.
ChartData combinedChart(const StatisticsRecord& record, bool bySize);

// The Attribute page: figures top to bottom Hidden, Read-only, System, Archive; the bars
// bottom to top (Archive first) so each stands beside its row.
inline constexpr size_t kAttributeRows = 4;
struct AttributeView {
  std::array<QString, kAttributeRows> counts;
  std::array<QString, kAttributeRows> bytes;
  std::vector<ChartPoint> shareOfFiles;  // red, percent of the summed counts; none when 0
  std::vector<ChartPoint> shareOfSize;   // blue, percent of the summed bytes; none when 0
};
AttributeView attributeView(const StatisticsRecord& record);

// The Time page: "Access Time" (blue), "Created time" (green) and "Modified time" (red), 48
// points each at x = the half-hour slot, labelled with the slot's start in the short time
// format.
ChartData timeChart(const StatisticsRecord& record);
// The access line is hidden when no file was accessed after 00:29.
bool accessTimeShown(const StatisticsRecord& record);
// "0:00" ... "23:30" in the locale's short time format.
QString halfHourLabel(int slot);

// Each point's share of the series' sum in percent; all 0 when the sum is 0.
std::vector<double> sharesOfTotal(const ChartSeries& series);

}  // namespace tessaly
