#include <gtest/gtest.h>

#include <QFile>

#include "core/grid/grid_text.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

ResultTable threeRowGrid() {
  ResultTable grid;
  grid.headings = {QStringLiteral("Name"), QStringLiteral("Size"), QStringLiteral("Folder")};
  grid.alignment = {CellAlignment::Left, CellAlignment::Right};
  grid.rows.push_back({{QStringLiteral("a<b>&c.txt"), QStringLiteral("1,024"), QStringLiteral("/home/u")}});
  grid.rows.push_back({{QStringLiteral("b.txt"), QString(), QStringLiteral("/tmp")}});
  grid.rows.push_back({{QStringLiteral("c.txt"), QStringLiteral("7"), QStringLiteral("/srv")}});
  grid.rows[2].cellColour = 0xFF8000;
  return grid;
}

TEST(ClipboardTextTest, NamesOnlyHasOneLinePerDataRowAndTheWholeGridAddsTheHeading) {
  const ResultTable grid = threeRowGrid();
  EXPECT_EQ(clipboardText(columnLines(grid, 0)), QStringLiteral("a<b>&c.txt\r\nb.txt\r\nc.txt\r\n"));
  EXPECT_EQ(clipboardText(gridAsTabLines(grid)),
            QStringLiteral("Name\tSize\tFolder\r\na<b>&c.txt\t1,024\t/home/u\r\nb.txt\t\t/tmp\r\nc.txt\t7\t/srv\r\n"));
}

TEST(WebPageTest, OneEscapedTableWithAlignmentColoursAndPlaceholdersForEmptyCells) {
  const QString html = gridAsWebPage(threeRowGrid());
  EXPECT_TRUE(html.startsWith(QStringLiteral("<table border=1>")));
  EXPECT_TRUE(html.trimmed().endsWith(QStringLiteral("</table><p>")));
  EXPECT_EQ(html.count(QStringLiteral("<tr>")), 4);
  EXPECT_TRUE(html.contains(QStringLiteral("<td nowrap><B>Name</B></td>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<td nowrap>a&lt;b&gt;&amp;c.txt</td>")));
  EXPECT_FALSE(html.contains(QStringLiteral("a<b>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<td nowrap align=right>1,024</td>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<td nowrap align=right><br></td>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<td nowrap bgcolor=\"#ff8000\">c.txt</td>")));
}

TEST(WebPageTest, SavingOverAnExistingFileReplacesIt) {
  testkit::TempTree tree;
  const QString page = tree.file(QStringLiteral("save.htm"), QByteArray(10000, 'x'));
  ASSERT_TRUE(writeWebPage(threeRowGrid(), page));
  QFile file(page);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), kUtf8ByteOrderMark + gridAsWebPage(threeRowGrid()).toUtf8());
}

TEST(WebPageTest, NonAsciiNamesAreWrittenAsUtf8ThatTheBrowserIsToldAbout) {
  testkit::TempTree tree;
  ResultTable grid = threeRowGrid();
  grid.rows[1].cells[0] = QStringLiteral("\u00C4rger \u65E5\u672C.txt");
  const QString page = tree.path(QStringLiteral("save.htm"));
  ASSERT_TRUE(writeWebPage(grid, page));
  QFile file(page);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF<table border=1>"));
  EXPECT_TRUE(bytes.contains("<td nowrap>\xC3\x84rger \xE6\x97\xA5\xE6\x9C\xAC.txt</td>"));
}

TEST(WebPageTest, AnUnwritableFileIsReportedAndLeavesNothing) {
  testkit::TempTree tree;
  EXPECT_FALSE(writeWebPage(threeRowGrid(), tree.path(QStringLiteral("missing/save.htm"))));
  EXPECT_FALSE(QFile::exists(tree.path(QStringLiteral("missing/save.htm"))));
}

}  // namespace
}  // namespace tessaly
