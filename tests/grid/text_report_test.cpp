#include <gtest/gtest.h>

#include "core/common/date_texts.h"
#include "core/grid/text_device_layout.h"
#include "core/grid/text_report.h"

namespace tessaly {
namespace {

ResultTable twoColumnGrid(int firstWidth, int secondWidth) {
  ResultTable grid;
  grid.headings = {QStringLiteral("Name"), QStringLiteral("Size")};
  grid.columnWidths = {firstWidth, secondWidth};
  return grid;
}

TEST(GridReportLinesTest, EachCellTakesItsColumnWidthOverSixCharactersAndABlank) {
  ResultTable grid = twoColumnGrid(59, 5);
  grid.rows.push_back({{QStringLiteral("abcdefghijKLMN"), QStringLiteral("123")}});
  grid.rows.push_back({{QStringLiteral("short"), QString()}});
  const QStringList lines = gridReportLines(grid);
  // 59 pixels give 9 characters; 5 pixels none, so only the blank.
  EXPECT_EQ(lines, (QStringList{"Name       ", "abcdefghi  ", "short      "}));
}

TEST(GridReportLinesTest, AHeaderOnlyGridGivesOneLineAndUnsizedColumnsTakeTheDefaultWidth) {
  ResultTable grid;
  grid.headings = {QStringLiteral("Folder"), QStringLiteral("Files")};
  grid.columnWidths = {30};
  const QStringList lines = gridReportLines(grid);
  ASSERT_EQ(lines.size(), 1);
  EXPECT_EQ(lines[0], QStringLiteral("Folde ") + QStringLiteral("Files").leftJustified(10) + u' ');
}

TEST(ReportHeadingTest, TitleThenPrintedDateAndTimeThenTwoEmptyLines) {
  const QDateTime at(QDate(1997, 9, 6), QTime(5, 33, 12));
  const QStringList lines = reportHeading(QStringLiteral("Folder hogs on drive(s) / "), at, QStringLiteral("   "));
  EXPECT_EQ(lines, (QStringList{"   Folder hogs on drive(s) / ",
                                "   Printed : " + shortDateText(at.date()) + "  " + longTimeText(at.time()), "", ""}));
}

// Every character 10 units wide, 12 high: lines are 14 apart.
TextDeviceMetrics fixedMetrics(int pageWidth, int pageHeight) {
  TextDeviceMetrics metrics;
  metrics.pageWidth = pageWidth;
  metrics.pageHeight = pageHeight;
  metrics.averageCharWidth = 10;
  metrics.charHeight = 12;
  metrics.textWidth = [](QStringView text) { return int(text.size()) * 10; };
  return metrics;
}

struct Placed {
  int page, x, y;
  QString text;
  bool operator==(const Placed&) const = default;
};

std::vector<Placed> layOut(const QStringList& lines, const TextDeviceMetrics& metrics) {
  TextDeviceLayout layout(metrics);
  std::vector<Placed> all;
  for (const QString& line : lines) {
    for (const PlacedText& piece : layout.placeLine(line)) all.push_back({piece.page, piece.x, piece.y, piece.text});
  }
  return all;
}

TEST(TextDeviceLayoutTest, LinesGoDownFromTheTopLeftAndEmptyLinesTakeTheCharacterHeight) {
  const auto placed = layOut({"one", "", "two"}, fixedMetrics(1000, 1000));
  EXPECT_EQ(placed, (std::vector<Placed>{{0, 0, 0, "one"}, {0, 0, 26, "two"}}));
}

TEST(TextDeviceLayoutTest, TabsJumpToEveryEighthCharacterAndPastTheEdgeStartANewLine) {
  const auto placed = layOut({"ab\tc\t\td", "abcdefgh\tx"}, fixedMetrics(170, 1000));
  EXPECT_EQ(placed, (std::vector<Placed>{{0, 0, 0, "ab"},
                                         {0, 80, 0, "c"},
                                         // the second tab of "c\t\t" lands at 240, beyond 170
                                         {0, 0, 14, "d"},
                                         {0, 0, 28, "abcdefgh"},
                                         {0, 160, 28, "x"}}));
}

TEST(TextDeviceLayoutTest, AnOverLongLineGoesOnAtTheNextLineCutAtTheLastCharacterThatFits) {
  const auto placed = layOut({"abcdefghij", "xy"}, fixedMetrics(45, 1000));
  EXPECT_EQ(placed, (std::vector<Placed>{
                        {0, 0, 0, "abcd"}, {0, 0, 14, "efgh"}, {0, 0, 28, "ij"}, {0, 0, 42, "xy"}}));
}

TEST(TextDeviceLayoutTest, ANewPageBeginsWhenTheNextLineWouldComeWithinTwoLineHeightsOfTheBottom) {
  // 100 units: lines at 0 ... 70 fit (70 + 28 <= 100); one at 84 would not.
  QStringList lines;
  for (int i = 0; i < 12; ++i) lines.append(QString::number(i));
  const auto placed = layOut(lines, fixedMetrics(1000, 100));
  ASSERT_EQ(placed.size(), 12u);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(placed[size_t(i)].page, i / 6) << i;
    EXPECT_EQ(placed[size_t(i)].y, (i % 6) * 14) << i;
  }
}

TEST(TextDeviceLayoutTest, APageNarrowerThanACharacterStillPrintsEveryCharacter) {
  const auto placed = layOut({"ab"}, fixedMetrics(5, 1000));
  EXPECT_EQ(placed, (std::vector<Placed>{{0, 0, 0, "a"}, {0, 0, 14, "b"}}));
}

}  // namespace
}  // namespace tessaly
