#include "core/stats/record_views.h"

#include <QLocale>
#include <QTime>
#include <algorithm>
#include <numeric>
#include <optional>

#include "core/common/text_routines.h"
#include "core/stats/statistics_labels.h"

namespace tessaly {
namespace {

constexpr int kListingColumnWidths[] = {194, 189, 140};
constexpr int kCombinedColumnWidths[] = {119, 97, 78, 86, 71, 85, 72};

using ClassArray = std::array<qint64, kAgeClassCount>;

struct AgeArrays {
  const ClassArray& count;
  const ClassArray& bytes;
};

AgeArrays ageArrays(const StatisticsRecord& record, DateKind kind) {
  switch (kind) {
    case DateKind::Accessed:
      return {record.ageAccessedCount, record.ageAccessedBytes};
    case DateKind::Created:
      return {record.ageCreatedCount, record.ageCreatedBytes};
    case DateKind::Modified:
      break;
  }
  return {record.ageModifiedCount, record.ageModifiedBytes};
}

QString bytesText(qint64 bytes) { return formatThousandsFloat(double(bytes)); }

double chartValue(qint64 count, qint64 bytes, bool bySize) { return bySize ? double(bytes) / kBytesPerMegabyte : double(count); }

// A listing grid: the first column left-aligned, the others right-aligned.
ResultTable listingGrid(QStringList headings, const int* widths) {
  ResultTable table;
  table.alignment.assign(size_t(headings.size()), CellAlignment::Right);
  table.alignment[0] = CellAlignment::Left;
  for (int column = 0; column < headings.size(); ++column) table.setWidth(column, widths[column]);
  table.headings = std::move(headings);
  return table;
}

ChartSeries ageSeries(const AgeArrays& ages, bool bySize, const QString& title, std::optional<Rgb> oneColour) {
  ChartSeries series{title, oneColour.value_or(chartColour(1)), {}};
  for (int ageClass = 0; ageClass < kAgeClassCount; ++ageClass) {
    const size_t i = size_t(ageClass);
    series.points.push_back({ageClassLabel(ageClass), chartValue(ages.count[i], ages.bytes[i], bySize),
                             oneColour.value_or(chartColour(ageClass + 1))});
  }
  return series;
}

// The names of a date: the grid's title, the start of the chart's title, the combined series.
struct DateNames {
  const char* grid;
  const char* chart;
  const char* series;
};

DateNames namesOf(DateKind kind) {
  switch (kind) {
    case DateKind::Accessed:
      return {"Accessed Date", "Access Date", "Accessed"};
    case DateKind::Created:
      return {"Created Date", "Created Date", "Created"};
    case DateKind::Modified:
      break;
  }
  return {"Modified Date", "Modified Date", "Modified"};
}

ChartSeries combinedSeries(const StatisticsRecord& record, DateKind kind, bool bySize, Rgb colour) {
  return ageSeries(ageArrays(record, kind), bySize, QString::fromLatin1(namesOf(kind).series), colour);
}

using AttributeValues = std::array<qint64, kAttributeRows>;

std::vector<ChartPoint> shareBars(const AttributeValues& values, Rgb colour) {
  const qint64 sum = std::accumulate(values.begin(), values.end(), qint64(0));
  std::vector<ChartPoint> bars;
  if (sum <= 0) return bars;
  for (qint64 value : values) bars.push_back({QString(), double(value) * 100.0 / double(sum), colour});
  return bars;
}

ChartSeries slotSeries(const QString& title, Rgb colour, const std::array<qint64, kHalfHourSlots>& slots) {
  ChartSeries series{title, colour, {}};
  for (int slot = 0; slot < kHalfHourSlots; ++slot)
    series.points.push_back({halfHourLabel(slot), double(slots[size_t(slot)]), colour});
  return series;
}

}  // namespace

ResultTable sizesGrid(const StatisticsRecord& record) {
  ResultTable table = listingGrid(
      {QStringLiteral("File size"), QStringLiteral("Total file size"), QStringLiteral("Number of files")},
      kListingColumnWidths);
  for (int sizeClass = kSizeClassCount; sizeClass >= 1; --sizeClass) {
    const size_t i = size_t(sizeClass);
    table.rows.push_back({{sizeClassLabel(sizeClass), bytesText(record.sizeBytes[i]), formatThousands(record.sizeCount[i])}});
  }
  return table;
}

ChartData sizesChart(const StatisticsRecord& record, bool bySize) {
  ChartData chart{bySize ? QStringLiteral("File Sizes in MB") : QStringLiteral("Number of Files"), {}};
  ChartSeries series{chart.title, chartColour(1), {}};
  for (int sizeClass = 1; sizeClass <= kSizeClassCount; ++sizeClass) {
    const size_t i = size_t(sizeClass);
    series.points.push_back(
        {sizeClassLabel(sizeClass), chartValue(record.sizeCount[i], record.sizeBytes[i], bySize), chartColour(sizeClass)});
  }
  chart.series.push_back(std::move(series));
  return chart;
}

QString dateGridTitle(DateKind kind) { return QString::fromLatin1(namesOf(kind).grid); }

ResultTable dateGrid(const StatisticsRecord& record, DateKind kind) {
  ResultTable table = listingGrid({dateGridTitle(kind), QStringLiteral("Total file size"), QStringLiteral("Number of files")},
                                  kListingColumnWidths);
  const AgeArrays ages = ageArrays(record, kind);
  for (int ageClass = kAgeClassCount - 1; ageClass >= 0; --ageClass) {
    const size_t i = size_t(ageClass);
    table.rows.push_back({{ageClassLabel(ageClass), bytesText(ages.bytes[i]), formatThousands(ages.count[i])}});
  }
  return table;
}

ChartData dateChart(const StatisticsRecord& record, DateKind kind, bool bySize) {
  const QString title = QString::fromLatin1(namesOf(kind).chart) +
                        (bySize ? QStringLiteral(" (file sizes in MB)") : QStringLiteral(" (Number of files)"));
  return {title, {ageSeries(ageArrays(record, kind), bySize, title, std::nullopt)}};
}

ResultTable combinedGrid(const StatisticsRecord& record) {
  ResultTable table = listingGrid({QStringLiteral("Combined dates"), QStringLiteral("Access Size"),
                                   QStringLiteral("Access # files"), QStringLiteral("Create Size"),
                                   QStringLiteral("Create # files"), QStringLiteral("Modify Size"),
                                   QStringLiteral("Modify # files")},
                                  kCombinedColumnWidths);
  for (int ageClass = kAgeClassCount - 1; ageClass >= 0; --ageClass) {
    QStringList cells{ageClassLabel(ageClass)};
    for (DateKind kind : kDateKinds) {
      const AgeArrays ages = ageArrays(record, kind);
      cells << bytesText(ages.bytes[size_t(ageClass)]) << formatThousands(ages.count[size_t(ageClass)]);
    }
    table.rows.push_back({cells});
  }
  return table;
}

ChartData combinedChart(const StatisticsRecord& record, bool bySize) {
  return {QStringLiteral("Combination Access/Created/Modified Chart"),
          {combinedSeries(record, DateKind::Modified, bySize, kRed),
           combinedSeries(record, DateKind::Created, bySize, kLime),
           combinedSeries(record, DateKind::Accessed, bySize, kBlue)}};
}

AttributeView attributeView(const StatisticsRecord& record) {
  const AttributeValues counts{record.hiddenCount, record.readOnlyCount, record.systemCount, record.archiveCount};
  const AttributeValues bytes{record.hiddenBytes, record.readOnlyBytes, record.systemBytes, record.archiveBytes};
  AttributeView view;
  for (size_t row = 0; row < counts.size(); ++row) {
    view.counts[row] = formatThousands(counts[row]);
    view.bytes[row] = bytesText(bytes[row]);
  }
  const auto bottomUp = [](AttributeValues values) {
    std::reverse(values.begin(), values.end());
    return values;
  };
  view.shareOfFiles = shareBars(bottomUp(counts), kRed);
  view.shareOfSize = shareBars(bottomUp(bytes), kBlue);
  return view;
}

QString halfHourLabel(int slot) {
  return QLocale().toString(QTime(slot / 2, slot % 2 ? 30 : 0), QLocale::ShortFormat);
}

ChartData timeChart(const StatisticsRecord& record) {
  return {QString(),
          {slotSeries(QStringLiteral("Access Time"), kBlue, record.hourAccessed),
           slotSeries(QStringLiteral("Created time"), kGreen, record.hourCreated),
           slotSeries(QStringLiteral("Modified time"), kRed, record.hourModified)}};
}

bool accessTimeShown(const StatisticsRecord& record) {
  return std::accumulate(record.hourAccessed.begin(), record.hourAccessed.end(), qint64(0)) > 0;
}

std::vector<double> sharesOfTotal(const ChartSeries& series) {
  const double sum = std::accumulate(series.points.begin(), series.points.end(), 0.0,
                                     [](double total, const ChartPoint& point) { return total + point.value; });
  std::vector<double> shares;
  for (const ChartPoint& point : series.points) shares.push_back(sum > 0 ? point.value * 100.0 / sum : 0.0);
  return shares;
}

}  // namespace tessaly
