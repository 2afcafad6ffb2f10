#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "core/common/settings_store.h"
#include "dup_window_fixture.h"
#include "platform/xdg_paths.h"
#include "ui/browse/browse_window.h"
#include "ui/common/help_topic.h"
#include "support/keyboard_checks.h"
#include "ui/grid/grid_table_model.h"
#include "ui/grid/marked_grid.h"
#include "ui/grid/report_commands.h"
#include "ui/scan/drive_check_list.h"

namespace tessaly {
namespace {

using testkit::DupWindowTest;

QStringList headings(const MarkedGrid& grid) {
  QStringList texts;
  for (int c = 0; c < grid.model()->columnCount(); ++c) texts.append(grid.model()->headerData(c, Qt::Horizontal).toString());
  return texts;
}

void clickHeading(MarkedGrid& grid, int column) {
  QHeaderView* header = grid.horizontalHeader();
  const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

bool shaded(const MarkedGrid& grid, int row) {
  return grid.model()->index(row, 0).data(Qt::BackgroundRole).value<QColor>() == QColor(GridTableModel::kShadedBackground);
}

TEST_F(DupWindowTest, NeighbouringGroupsAreShadedInTurnAndHeadingsDoNotSortThem) {
  for (const char* folder : {"a", "b"}) {
    tree.file(QString("%1/one.txt").arg(folder), "1");
    tree.file(QString("%1/two.txt").arg(folder), "22");
    tree.file(QString("%1/zed.txt").arg(folder), "333");
  }
  tree.file("a/single.txt", "4");
  open(true);
  search();
  const QStringList found = rowPaths();
  ASSERT_EQ(found, QStringList({tree.path("a/one.txt"), tree.path("b/one.txt"), tree.path("a/two.txt"),
                                tree.path("b/two.txt"), tree.path("a/zed.txt"), tree.path("b/zed.txt")}));
  const std::vector<bool> expected{true, true, false, false, true, true};
  for (int row = 0; row < 6; ++row) EXPECT_EQ(shaded(*window->grid, row), expected[size_t(row)]) << row;

  // No heading sorts in this mode, and there is no "Sort" menu.
  for (int column : {0, 1, 5}) clickHeading(*window->grid, column);
  EXPECT_EQ(rowPaths(), found);
  EXPECT_FALSE(window->Sort1->isVisible());
  EXPECT_EQ(headings(*window->grid), QStringList({"Filename", "Size", "Modified", "Time", "Access", "Folder", "Type"}));

  // The web page carries the rows but not the shading, which stays on the screen.
  const QString page = tree.path("list.htm");
  dialogs.chooseText(page);
  window->grid->reports()->saveWebPage();
  QFile saved(page);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray html = saved.readAll();
  EXPECT_EQ(html.count("<tr>"), 7);
  EXPECT_FALSE(html.contains("bgcolor"));
  EXPECT_TRUE(shaded(*window->grid, 0));
}

TEST_F(DupWindowTest, ButtonsFollowTheSearchAndTheMarks) {
  tree.file("a/x.bin", "12345");
  tree.file("b/x.bin", "12345");
  open(true);
  EXPECT_EQ(window->windowTitle(), "Find and delete duplicate files");
  EXPECT_EQ(window->btScan->toolTip(), "Duplicates on file name only");
  for (QPushButton* hidden : {window->btMark, window->btDelete, window->btOptions, window->btBrowse, window->btDetails,
                              window->btCompare, window->btAbort})
    EXPECT_FALSE(hidden->isVisible()) << hidden->text().toStdString();
  EXPECT_TRUE(window->btScan->isEnabled());
  window->pckDrive->setAllTicked(false);
  EXPECT_FALSE(window->btScan->isEnabled());
  open(true);
  search();
  for (QPushButton* shown : {window->btMark, window->btDelete, window->btOptions, window->btBrowse, window->btDetails,
                             window->btCompare})
    EXPECT_TRUE(shown->isVisible()) << shown->text().toStdString();
  EXPECT_FALSE(window->btAbort->isVisible());
  EXPECT_FALSE(window->btDelete->isEnabled());
  window->MarkThisFile(1);
  EXPECT_TRUE(window->btDelete->isEnabled());
  EXPECT_EQ(window->pnlSel->text(), "1 files 5 bytes");
  window->MarkThisFile(1);
  EXPECT_FALSE(window->btDelete->isEnabled());
}

TEST_F(DupWindowTest, InBetweenShowsTheSecondNumberAndThePatternShowsItsType) {
  open(false);
  EXPECT_EQ(window->windowTitle(), "Find and delete file hogs");
  EXPECT_EQ(window->btScan->toolTip(), "Start scanning for file hogs");
  EXPECT_FALSE(window->cbDup->isVisible());
  EXPECT_FALSE(window->num2->isVisible());
  window->rbBetween->setChecked(true);
  EXPECT_TRUE(window->num2->isVisible());
  EXPECT_TRUE(window->lblAnd->isVisible());
  EXPECT_EQ(window->cbWildCard->currentText(), "*.*");
  EXPECT_EQ(window->lblWild->text(), "All files");
  EXPECT_EQ(window->cbWildCard->itemText(0), "*.*");
  EXPECT_EQ(window->cbKB1->currentText(), "KB");
  EXPECT_EQ(window->num2->value(), 250);
}

TEST_F(DupWindowTest, FileHogsSortFromTheMenuAndTheHeadingsWithDirectionsThatOutliveTheWindow) {
  tree.file("big.dat", 300, 'b');
  tree.file("middle.txt", 200, 'm');
  tree.file("small.bin", 100, 's');
  tree.setTimes("big.dat", 1'600'000'000, 1'500'000'000);
  tree.setTimes("middle.txt", 1'600'000'000, 1'600'000'000);
  tree.setTimes("small.bin", 1'600'000'000, 1'550'000'000);
  const QString big = tree.path("big.dat"), middle = tree.path("middle.txt"), small = tree.path("small.bin");
  open(false);
  search();
  EXPECT_EQ(headings(*window->grid), QStringList({"Size", "Modified", "Time", "Access", "FileName", "Type"}));
  EXPECT_EQ(rowPaths(), QStringList({big, middle, small}));  // every search: largest first

  window->sortActions[SortBySize]->trigger();
  EXPECT_EQ(rowPaths(), QStringList({small, middle, big}));
  clickHeading(*window->grid, 0);  // "Size" again: its direction turned
  EXPECT_EQ(rowPaths(), QStringList({big, middle, small}));
  clickHeading(*window->grid, 2);  // "Time" sorts nothing
  EXPECT_EQ(rowPaths(), QStringList({big, middle, small}));
  EXPECT_TRUE(window->sortActions[SortBySize]->isChecked());

  window->sortActions[SortByDate]->trigger();  // newest first
  EXPECT_EQ(rowPaths(), QStringList({middle, small, big}));
  EXPECT_TRUE(window->sortActions[SortByDate]->isChecked());
  EXPECT_FALSE(window->sortActions[SortBySize]->isChecked());
  clickHeading(*window->grid, 4);  // "FileName", ascending
  EXPECT_EQ(rowPaths(), QStringList({big, middle, small}));
  EXPECT_TRUE(window->sortActions[SortByName]->isChecked());

  // A new window goes on from the directions the last one left.
  open(false);
  search();
  window->sortActions[SortByName]->trigger();
  EXPECT_EQ(rowPaths(), QStringList({small, middle, big}));
  window->sortActions[SortByDate]->trigger();
  EXPECT_EQ(rowPaths(), QStringList({big, small, middle}));
}

TEST_F(DupWindowTest, EachModeKeepsItsOwnPlacement) {
  open(true);
  window->setGeometry(40, 50, 910, 610);
  window->close();
  window.reset();
  EXPECT_FALSE(IniView(QStringLiteral("tessaly.ini")).readString("frmDups", "frmMods", QString()).isEmpty());
  EXPECT_TRUE(IniView(QStringLiteral("tessaly.ini")).readString("frmMods", "frmMods", QString()).isEmpty());
  open(false);
  EXPECT_NE(window->size(), QSize(910, 610));
  window->resize(820, 530);
  window.reset();
  open(true);
  EXPECT_EQ(window->size(), QSize(910, 610));
  open(false);
  EXPECT_EQ(window->size(), QSize(820, 530));
}

TEST_F(DupWindowTest, ReportsOfAnEmptyGridAndThePrintTitle) {
  open(true);
  QGuiApplication::clipboard()->setText("before");
  window->grid->reports()->copyNames();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
  window->grid->reports()->copyEntireGrid();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Filename\tSize\tModified\tTime\tAccess\tFolder\tType\r\n"));

  window->rbSmaller->setChecked(true);
  window->num1->setValue(10);
  window->cbKB1->setCurrentIndex(0);
  EXPECT_EQ(window->printTitle(), "Duplicates smaller or equal to 10 bytes matching *.* on drive(s) " + tree.root() + " ");
  dialogs.printerAccepted(false);
  window->grid->reports()->printReport();
  EXPECT_EQ(dialogs.shown().size(), 1);  // the print dialog, cancelled: nothing more
}

TEST_F(DupWindowTest, DuplicateNamesAreFoundCaseBlindAndBrowseNamesTheCurrentFile) {
  tree.file("a/Photo.JPG", "x");
  tree.file("b/photo.jpg", "x");
  open(true);
  QList<BrowseRequest> requests;
  window->browseFolder = [&](const BrowseRequest& request) { requests.append(request); };
  window->btBrowse->click();  // nothing found yet: nothing happens
  EXPECT_TRUE(requests.isEmpty());
  search();
  ASSERT_EQ(rowPaths().size(), 2);
  window->setCurrentRow(1);
  window->btBrowse->click();
  ASSERT_EQ(requests.size(), 1);
  EXPECT_EQ(requests[0].folder, tree.path("b"));
  EXPECT_EQ(requests[0].file, "photo.jpg");
  EXPECT_EQ(requests[0].pattern, "*.*");
}

TEST_F(DupWindowTest, BrowseOpensTheBrowseWindowOnTheFilesFolderWithThePattern) {
  tree.file("a/x.bin", "1");
  tree.file("b/x.bin", "1");
  open(true);
  search();
  window->setCurrentRow(1);
  window->cbWildCard->setCurrentText("*.bin");
  bool seen = false;
  QString folder;
  QString pattern;
  testkit::onNextModal<TfrmBrowse>(seen, [&](TfrmBrowse& browse) {
    folder = browse.currentFolder();
    pattern = browse.pattern();
    browse.reject();
  });
  window->btBrowse->click();
  ASSERT_TRUE(seen);
  EXPECT_EQ(folder, tree.path("b"));
  EXPECT_EQ(pattern, "*.bin");
}

TEST_F(DupWindowTest, EveryControlIsReachableByKeyboardAndSpeaksTheHostsWords) {
  tree.file("a/x.bin", "1");
  tree.file("b/x.bin", "1");
  for (bool findDups : {true, false}) {
    open(findDups);
    search();
    const QString topic = helpTopicOf(window.get());
    EXPECT_EQ(topic, findDups ? "duplicates.html" : "file-hogs.html");
    EXPECT_TRUE(QFileInfo::exists(platform::manualFolder() + u'/' + topic)) << topic.toStdString();
    testkit::expectKeyboardComplete(window.get());
    EXPECT_EQ(testkit::windowsOnlyWords(testkit::windowTexts(window.get())), QStringList());
    testkit::expectEscapeCloses(window.get());
  }
}

}  // namespace
}  // namespace tessaly
