#include <gtest/gtest.h>

#include <numeric>

#include "core/stats/record_views.h"
#include "core/stats/types_listing.h"
#include "support/fake_host.h"

namespace tessaly {
namespace {

TypeList typeListOf(std::initializer_list<std::tuple<const char*, qint64, qint64>> lines) {
  TypeList types;
  for (const auto& [extension, count, bytes] : lines) {
    for (qint64 i = 0; i < count; ++i) types.insertType(QString::fromLatin1(extension), i == 0 ? bytes : 0);
  }
  return types;
}

QStringList column(const ResultTable& table, int column) {
  QStringList cells;
  for (const ResultRow& row : table.rows) cells.append(row.cells.value(column));
  return cells;
}

class TypesPage : public ::testing::Test {
 protected:
  TypesPage() {
    types.add(QStringLiteral(".doc"), {}, QStringLiteral("Word document"));
    types.add(QStringLiteral(".txt"), {}, QStringLiteral("Plain text"));
  }
  testkit::FakeFileTypes types;
};

TEST_F(TypesPage, RowsShowDescriptionsAmountsAveragesAndATotalsRowLast) {
  TypesListing listing(typeListOf({{".DOC", 2, 3001}, {"", 1, 10}, {".TXT", 1200, 1200}}), TypeFilter());
  const ResultTable table = listing.table();
  EXPECT_EQ(table.headings, (QStringList{"Extension", "Type", "Size", "# Files", "Avg File Size"}));
  EXPECT_EQ(table.widthOf(1), 219);
  EXPECT_EQ(table.alignmentOf(1), CellAlignment::Left);
  EXPECT_EQ(table.alignmentOf(2), CellAlignment::Right);
  ASSERT_EQ(table.rows.size(), 4u);
  EXPECT_EQ(table.rows[0].cells, (QStringList{"", "No extension", "10", "1", "10"}));
  EXPECT_EQ(table.rows[1].cells, (QStringList{".DOC", "Word document", "3,001", "2", "1,501"}));
  EXPECT_EQ(table.rows[2].cells, (QStringList{".TXT", "Plain text", "1,200", "1,200", "1"}));
  EXPECT_EQ(table.rows[3].cells, (QStringList{"", "Totals", "4,211", "1,203", ""}));
}

TEST_F(TypesPage, EveryChosenTypeGetsARowWithSelectedTypesOnly) {
  const QStringList chosen{QStringLiteral("*.doc\tWord document"), QStringLiteral("*.xls\tSheet")};
  const TypeList found = typeListOf({{".DOC", 1, 100}});
  const ResultTable included = TypesListing(found, TypeFilter(TypeChoice::Include, chosen)).table();
  ASSERT_EQ(included.rows.size(), 3u);
  EXPECT_EQ(included.rows[0].cells.mid(0, 1), QStringList{".DOC"});
  EXPECT_EQ(included.rows[1].cells, (QStringList{".XLS", "XLS File", "0", "0", "0"}));
  EXPECT_EQ(TypesListing(found, TypeFilter(TypeChoice::Exclude, chosen)).table().rows.size(), 2u);
  // The run's own list is left as it was.
  EXPECT_EQ(found.lines().size(), 1u);

  const ResultTable empty = TypesListing(TypeList(), TypeFilter()).table();
  ASSERT_EQ(empty.rows.size(), 1u);
  EXPECT_EQ(empty.rows[0].cells, (QStringList{"", "Totals", "0", "0", ""}));
}

TEST_F(TypesPage, SortsAreNumericWhereNumericAndKeepTheTotalsRowLast) {
  TypesListing listing(typeListOf({{".A", 999, 5000}, {".B", 1200, 100}, {".doc", 7, 9000}, {".txt", 1, 1}}),
                       TypeFilter());
  const struct {
    TypeSort sort;
    QStringList extensions;
  } cases[] = {
      {TypeSort::Files, {".B", ".A", ".DOC", ".TXT", ""}},
      {TypeSort::Size, {".DOC", ".A", ".B", ".TXT", ""}},
      {TypeSort::Average, {".DOC", ".A", ".TXT", ".B", ""}},
      {TypeSort::Type, {".A", ".B", ".TXT", ".DOC", ""}},  // A File, B File, Plain text, Word document
      {TypeSort::Extension, {".A", ".B", ".DOC", ".TXT", ""}},
  };
  for (const auto& c : cases) {
    listing.sort(c.sort);
    EXPECT_EQ(listing.sortedBy(), c.sort);
    const ResultTable table = listing.table();
    EXPECT_EQ(column(table, 0), c.extensions);
    EXPECT_EQ(table.rows.back().cells.value(1), QStringLiteral("Totals"));
  }
}

TEST_F(TypesPage, ASingleRowIsNotSortedAndKeepsTheSortShown) {
  TypesListing listing(typeListOf({{".A", 1, 5}}), TypeFilter());
  listing.sort(TypeSort::Files);
  EXPECT_EQ(listing.sortedBy(), TypeSort::Extension);
}

TEST_F(TypesPage, ThePieTakesTheTwelveLargestValuesColouredByRowAndNeverTheTotals) {
  const auto listingOf = [](int extensions) {
    TypeList list;
    for (int i = 1; i <= extensions; ++i) list.insertType(QStringLiteral(".E%1").arg(i, 2, 10, QLatin1Char('0')), 1000 * i);
    return TypesListing(list, TypeFilter());
  };
  const auto sum = [](const std::vector<ChartPoint>& slices) {
    return std::accumulate(slices.begin(), slices.end(), 0.0, [](double s, const ChartPoint& p) { return s + p.value; });
  };
  TypesListing eleven = listingOf(11);
  const std::vector<ChartPoint> elevenSlices = eleven.pie(TypeView::PieBySize);
  EXPECT_LE(elevenSlices.size(), 11u);
  EXPECT_DOUBLE_EQ(sum(elevenSlices), 66000);  // 1+2+...+11 thousand: every extension, no totals
  EXPECT_EQ(eleven.sortedBy(), TypeSort::Size);

  TypesListing thirteen = listingOf(13);
  const std::vector<ChartPoint> slices = thirteen.pie(TypeView::PieBySize);
  EXPECT_DOUBLE_EQ(sum(slices), 90000);  // 2 ... 13 thousand: the twelve largest
  // Ascending, the largest (".E13", row 1, red) last; slices under 5 percent are "Other".
  EXPECT_EQ(slices.back().label, QStringLiteral("E13 File"));
  EXPECT_EQ(slices.back().colour, chartColour(1));
  EXPECT_EQ(slices[slices.size() - 2].colour, chartColour(2));
  EXPECT_TRUE(std::is_sorted(slices.begin(), slices.end(),
                             [](const ChartPoint& a, const ChartPoint& b) { return a.value < b.value; }));
  const auto other = std::find_if(slices.begin(), slices.end(), [](const ChartPoint& p) { return p.label == "Other"; });
  ASSERT_NE(other, slices.end());
  EXPECT_DOUBLE_EQ(other->value, 2000 + 3000 + 4000);  // under 5 percent of 90,000
  EXPECT_TRUE(thirteen.pie(TypeView::Listing).empty());
}

TEST_F(TypesPage, PiesByFilesAndByAverageSkipTypesWithoutFiles) {
  TypesListing listing(typeListOf({{".A", 4, 400}, {".B", 1, 900}}),
                       TypeFilter(TypeChoice::Include, {QStringLiteral("*.z\tZ")}));
  const std::vector<ChartPoint> byFiles = listing.pie(TypeView::PieByFiles);
  ASSERT_EQ(byFiles.size(), 2u);
  EXPECT_EQ(byFiles.back().label, QStringLiteral("A File"));
  EXPECT_DOUBLE_EQ(byFiles.back().value, 4);
  const std::vector<ChartPoint> byAverage = listing.pie(TypeView::PieByAverage);
  ASSERT_EQ(byAverage.size(), 2u);
  EXPECT_EQ(byAverage.back().label, QStringLiteral("B File"));
  EXPECT_DOUBLE_EQ(byAverage.front().value, 100);
}

StatisticsRecord sampleRecord() {
  StatisticsRecord record;
  for (int i = 1; i <= kSizeClassCount; ++i) {
    record.sizeCount[size_t(i)] = i;
    record.sizeBytes[size_t(i)] = qint64(i) * 1048576;
  }
  for (int i = 0; i < kAgeClassCount; ++i) {
    record.ageAccessedCount[size_t(i)] = 100 + i;
    record.ageCreatedCount[size_t(i)] = 200 + i;
    record.ageModifiedCount[size_t(i)] = 300 + i;
    record.ageModifiedBytes[size_t(i)] = qint64(i) * 2097152;
  }
  return record;
}

TEST(ListingPages, SizeAndDateGridsPutTheLargestClassOnTop) {
  const StatisticsRecord record = sampleRecord();
  const ResultTable sizes = sizesGrid(record);
  EXPECT_EQ(sizes.headings, (QStringList{"File size", "Total file size", "Number of files"}));
  ASSERT_EQ(sizes.rows.size(), 12u);
  EXPECT_EQ(sizes.rows[0].cells, (QStringList{"Over 16MB", "12,582,912", "12"}));
  EXPECT_EQ(sizes.rows[11].cells, (QStringList{"0 - 16K", "1,048,576", "1"}));
  EXPECT_EQ(sizes.alignmentOf(0), CellAlignment::Left);
  EXPECT_EQ(sizes.alignmentOf(2), CellAlignment::Right);
  EXPECT_EQ(sizes.widthOf(0), 194);

  const ResultTable modified = dateGrid(record, DateKind::Modified);
  EXPECT_EQ(modified.headings.value(0), QStringLiteral("Modified Date"));
  ASSERT_EQ(modified.rows.size(), 10u);
  EXPECT_EQ(modified.rows[0].cells, (QStringList{"Over 4 years", "18,874,368", "309"}));
  EXPECT_EQ(modified.rows[9].cells, (QStringList{"Not recorded", "0", "300"}));
  EXPECT_EQ(dateGrid(record, DateKind::Accessed).headings.value(0), QStringLiteral("Accessed Date"));

  const ResultTable combined = combinedGrid(record);
  EXPECT_EQ(combined.headings, (QStringList{"Combined dates", "Access Size", "Access # files", "Create Size",
                                            "Create # files", "Modify Size", "Modify # files"}));
  EXPECT_EQ(combined.widthOf(6), 72);
  EXPECT_EQ(combined.rows[8].cells, (QStringList{"<= 7 days", "0", "101", "0", "201", "2,097,152", "301"}));
}

TEST(ChartPages, DateChartsDrawTenBarsInTheTenPaletteColours) {
  const StatisticsRecord record = sampleRecord();
  const std::vector<Rgb> colours{0xFF0000, 0x800000, 0x0000FF, 0xFFFF00, 0x008000,
                                 0x00FF00, 0xFF00FF, 0x008080, 0x000080, 0x00FFFF};
  for (DateKind kind : kDateKinds) {
    const ChartData chart = dateChart(record, kind, false);
    ASSERT_EQ(chart.series.size(), 1u);
    const std::vector<ChartPoint>& bars = chart.series[0].points;
    ASSERT_EQ(bars.size(), 10u);
    std::vector<Rgb> drawn;
    for (const ChartPoint& bar : bars) drawn.push_back(bar.colour);
    EXPECT_EQ(drawn, colours);
    EXPECT_EQ(bars.front().label, QStringLiteral("Not recorded"));
    EXPECT_EQ(bars.back().label, QStringLiteral("Over 4 years"));
  }
  EXPECT_EQ(dateChart(record, DateKind::Accessed, false).title, QStringLiteral("Access Date (Number of files)"));
  EXPECT_EQ(dateChart(record, DateKind::Created, true).title, QStringLiteral("Created Date (file sizes in MB)"));
  const ChartData modified = dateChart(record, DateKind::Modified, true);
  EXPECT_EQ(modified.title, QStringLiteral("Modified Date (file sizes in MB)"));
  EXPECT_DOUBLE_EQ(modified.series[0].points[3].value, 6);
  EXPECT_DOUBLE_EQ(dateChart(record, DateKind::Modified, false).series[0].points[3].value, 303);
}

TEST(ChartPages, TheSizesAndCombinedChartsKeepTheirSeriesTitlesAndColours) {
  const StatisticsRecord record = sampleRecord();
  const ChartData bySize = sizesChart(record, true);
  EXPECT_EQ(bySize.title, QStringLiteral("File Sizes in MB"));
  ASSERT_EQ(bySize.series[0].points.size(), 12u);
  EXPECT_EQ(bySize.series[0].points[0].label, QStringLiteral("0 - 16K"));
  EXPECT_DOUBLE_EQ(bySize.series[0].points[11].value, 12);
  EXPECT_EQ(bySize.series[0].points[11].colour, Rgb(0x808080));
  EXPECT_EQ(sizesChart(record, false).title, QStringLiteral("Number of Files"));

  const ChartData combined = combinedChart(record, false);
  EXPECT_EQ(combined.title, QStringLiteral("Combination Access/Created/Modified Chart"));
  ASSERT_EQ(combined.series.size(), 3u);
  const struct {
    const char* title;
    Rgb colour;
    double firstValue;
  } expected[] = {{"Modified", 0xFF0000, 300}, {"Created", 0x00FF00, 200}, {"Accessed", 0x0000FF, 100}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(combined.series[i].title, QString::fromLatin1(expected[i].title));
    EXPECT_EQ(combined.series[i].points.size(), 10u);
    EXPECT_DOUBLE_EQ(combined.series[i].points[0].value, expected[i].firstValue);
    for (const ChartPoint& point : combined.series[i].points) EXPECT_EQ(point.colour, expected[i].colour);
  }
  EXPECT_EQ(sharesOfTotal(bySize.series[0])[11], 12 * 100.0 / 78);
}

TEST(ChartPages, AttributeBarsRunArchiveToHiddenAndVanishWithoutFiles) {
  StatisticsRecord record;
  record.hiddenCount = 1;
  record.hiddenBytes = 100;
  record.readOnlyCount = 3;
  record.readOnlyBytes = 300;
  record.archiveCount = 0;
  record.systemCount = 4;
  record.systemBytes = 0;
  const AttributeView view = attributeView(record);
  EXPECT_EQ(view.counts, (std::array<QString, 4>{"1", "3", "4", "0"}));
  EXPECT_EQ(view.bytes, (std::array<QString, 4>{"100", "300", "0", "0"}));
  ASSERT_EQ(view.shareOfFiles.size(), 4u);
  EXPECT_DOUBLE_EQ(view.shareOfFiles[0].value, 0);    // archive
  EXPECT_DOUBLE_EQ(view.shareOfFiles[1].value, 50);   // system
  EXPECT_DOUBLE_EQ(view.shareOfFiles[3].value, 12.5);  // hidden
  EXPECT_EQ(view.shareOfFiles[0].colour, kRed);
  ASSERT_EQ(view.shareOfSize.size(), 4u);
  EXPECT_DOUBLE_EQ(view.shareOfSize[3].value, 25);
  EXPECT_EQ(view.shareOfSize[3].colour, kBlue);

  const AttributeView none = attributeView(StatisticsRecord());
  EXPECT_TRUE(none.shareOfFiles.empty());
  EXPECT_TRUE(none.shareOfSize.empty());
}

TEST(ChartPages, TheTimeChartHasFortyEightPointsPerLineAndHidesAnUnusedAccessLine) {
  StatisticsRecord record;
  record.hourModified[47] = 5;
  record.hourAccessed[0] = 9;  // never counted by a run, and not enough to show the line
  const ChartData chart = timeChart(record);
  ASSERT_EQ(chart.series.size(), 3u);
  EXPECT_EQ(chart.series[0].title, QStringLiteral("Access Time"));
  EXPECT_EQ(chart.series[0].colour, kBlue);
  EXPECT_EQ(chart.series[1].title, QStringLiteral("Created time"));
  EXPECT_EQ(chart.series[1].colour, kGreen);
  EXPECT_EQ(chart.series[2].title, QStringLiteral("Modified time"));
  EXPECT_EQ(chart.series[2].colour, kRed);
  for (const ChartSeries& series : chart.series) EXPECT_EQ(series.points.size(), 48u);
  EXPECT_DOUBLE_EQ(chart.series[2].points[47].value, 5);
  EXPECT_EQ(chart.series[2].points[47].label, QStringLiteral("11:30 PM"));
  EXPECT_EQ(chart.series[2].points[1].label, QStringLiteral("12:30 AM"));
  record.hourAccessed[0] = 0;
  EXPECT_FALSE(accessTimeShown(record));
  record.hourAccessed[1] = 1;
  EXPECT_TRUE(accessTimeShown(record));
}

TEST(ChartMarks, MarksDropTrailingZerosAndKeepSeparators) {
  const struct {
    double value;
    int decimals;
    const char* suffix;
    const char* text;
  } cases[] = {{45.26, 1, " %", "45.3 %"}, {45.0, 1, " %", "45 %"}, {0.04, 1, " %", "0 %"},
               {12.345, 2, " %", "12.35 %"}, {1234.5, 0, " KB", "1,235 KB"}, {9000, 0, " MB", "9,000 MB"},
               {-0.01, 1, " %", "0 %"}};
  for (const auto& c : cases)
    EXPECT_EQ(formatMark(c.value, c.decimals, QString::fromLatin1(c.suffix)), QString::fromLatin1(c.text)) << c.text;
}

}  // namespace
}  // namespace tessaly
