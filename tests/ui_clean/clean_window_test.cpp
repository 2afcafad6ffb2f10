#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "core/clean/temporary_scan.h"
#include "core/common/settings_store.h"
#include "core/safeharbor/pattern_lines.h"
#include "core/safeharbor/safe_harbor.h"
#include "support/fake_host.h"
#include "support/keyboard_checks.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/clean/clean_window.h"
#include "ui/deletion/really_delete_window.h"
#include "ui/grid/grid_table_model.h"
#include "ui/grid/marked_grid.h"
#include "ui/grid/sort_menu.h"
#include "ui/lists/pattern_list_view.h"
#include "ui/scan/add_new_folder_window.h"
#include "ui/scan/drive_check_list.h"
#include "ui_clean/modal_windows.h"

namespace tessaly {
namespace {

const QString kAborted = QStringLiteral("LIST INCOMPLETE ... ABORTED BY USER");

// Quick clean shown over a fake drive and the test's folders, added to the drive list and
// ticked alone, so a search walks only what the test made.
class CleanWindow : public ::testing::Test {
 protected:
  void SetUp() override { drives.add(QStringLiteral("/"), platform::DriveKind::Fixed, QStringLiteral("system")); }

  std::unique_ptr<TfrmClean> open(const QStringList& folders) {
    QStringList added;
    for (const QString& folder : folders) added.append(tree.path(folder));
    programSettings().writeList(QStringLiteral("NewFolders"), added);
    auto window = std::make_unique<TfrmClean>();
    window->show();
    DriveCheckList& list = *window->pckDrive;
    for (int row = 0; row < list.count(); ++row)
      list.item(row)->setCheckState(added.contains(list.items()[row].path) ? Qt::Checked : Qt::Unchecked);
    return window;
  }
  std::unique_ptr<TfrmClean> openOn(const QString& folder = QStringLiteral("disk")) { return open({folder}); }

  static QStringList rowPaths(const TfrmClean& window) {
    QStringList paths;
    const FileTable& table = window.grid->table();
    for (qsizetype row = 0; row < table.rowCount(); ++row) paths.append(table.filePath(row));
    return paths;
  }
  static QStringList column(const TfrmClean& window, int column) {
    QStringList cells;
    for (qsizetype row = 0; row < window.grid->table().rowCount(); ++row)
      cells.append(window.grid->table().cellText(row, column));
    return cells;
  }
  static QStringList patterns(const TfrmClean& window) {
    QStringList lines;
    for (const QString& line : window.PickList1->lineTexts()) lines.append(patternOfLine(line));
    return lines;
  }
  static bool isBold(const TfrmClean& window, int row) {
    const QAbstractItemModel* model = window.grid->model();
    return model->data(model->index(row, FileNameColumn), Qt::FontRole).value<QFont>().bold();
  }

  testkit::TempXdg xdg;
  testkit::FakeDriveTable drives;
  testkit::FakeFileTypes types;
  testkit::TempTree tree;
  testkit::ScriptedDialogs dialogs;
};

TEST_F(CleanWindow, OpensWithQuickCleansOwnThirteenPatternsAllSelectedWhenNoneWereStored) {
  auto window = openOn();
  EXPECT_EQ(window->windowTitle(), "Find and delete temporary files");
  QStringList expected{"*.bak", "*.chk", "*.da0", "*.db$", "*.ftg", "*.fts", "*.gid", "*.old", "*.tmp",
                       "*.$$$", "*.---", "*.~mp", "*.~*"};
  QStringList shown = patterns(*window);
  std::sort(expected.begin(), expected.end());
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(window->selectedPatternLines().size(), 13);
  for (QWidget* hidden : {window->btAbort, window->btMark, window->btDelete, window->btOptions, window->btBrowse,
                          window->btDetails})
    EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
  EXPECT_TRUE(window->btScan->isEnabled());
}

TEST_F(CleanWindow, SearchListsTheMatchingFilesLargestFirstAndCountsThem) {
  tree.file("disk/a.tmp", 10, 'x');
  tree.file("disk/sub/B.BAK", 3000, 'x');
  tree.file("disk/.hidden.old", 200, 'x');
  tree.file("disk/.cache/c.tmp", 1, 'x');
  tree.file("disk/keep.txt", 1, 'x');
  auto window = openOn();
  window->btScan->click();
  EXPECT_EQ(rowPaths(*window),
            (QStringList{tree.path("disk/sub/B.BAK"), tree.path("disk/.hidden.old"), tree.path("disk/a.tmp")}));
  EXPECT_EQ(window->tempFilesFound(), 3);
  EXPECT_EQ(window->pnlSel->text(), "3 tempfiles found");
  for (QWidget* shown : {window->btMark, window->btDelete, window->btOptions, window->btBrowse, window->btDetails})
    EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
  EXPECT_FALSE(window->btAbort->isVisible());
  EXPECT_FALSE(window->btDelete->isEnabled());  // nothing marked yet
  EXPECT_TRUE(window->sortMenu()->action(TfrmClean::SortBySize)->isChecked());
  EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(CleanWindow, AfterASearchEveryButtonIsReachedWithTabAndHasALetterOfItsOwn) {
  tree.file("disk/a.tmp", 10, 'x');
  auto window = openOn();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->btScan->click();
  window->grid->markAll();
  testkit::expectKeyboardComplete(window.get());
}

TEST_F(CleanWindow, WithoutAPatternSelectedStartRefusesAndLeavesThePreviousResults) {
  tree.file("disk/a.tmp", 10, 'x');
  auto window = openOn();
  window->btScan->click();
  ASSERT_EQ(window->tempFilesFound(), 1);
  window->DeselectAll1->trigger();
  window->btScan->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Select at least one file extension"});
  EXPECT_EQ(rowPaths(*window), QStringList{tree.path("disk/a.tmp")});
  window->SelectAll1->trigger();
  EXPECT_EQ(window->selectedPatternLines().size(), 13);
}

TEST_F(CleanWindow, AddDeleteReloadsTheEditedListWithNothingSelected) {
  auto window = openOn();
  window->editPatterns = [] { writePatternLines(kTempFilesSection, {"*.tmp", "*.swp"}); };
  window->btEdit->click();
  EXPECT_EQ(patterns(*window), (QStringList{"*.swp", "*.tmp"}));
  EXPECT_TRUE(window->selectedPatternLines().isEmpty());
  window->btScan->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Select at least one file extension"});
}

TEST_F(CleanWindow, AFolderThatCannotBeOpenedIsReportedAndTheSearchGoesOnWithTheNext) {
  tree.file("one/x.tmp", 1, 'x');
  tree.file("two/y.bak", 1, 'x');
  auto window = open({"one", "gone", "two"});
  window->btScan->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{QStringLiteral("Can't open drive ") + tree.path("gone")});
  EXPECT_EQ(rowPaths(*window).size(), 2);
}

TEST_F(CleanWindow, NothingFoundSaysSoAndOnlyStartAndCloseStay) {
  tree.file("disk/keep.txt", 1, 'x');
  auto window = openOn();
  window->btScan->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Information), QStringList{"No files found."});
  EXPECT_EQ(window->grid->table().rowCount(), 0);
  for (QWidget* hidden : {window->btMark, window->btDelete, window->btOptions, window->btBrowse, window->btDetails})
    EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
  EXPECT_TRUE(window->btScan->isEnabled());
  EXPECT_TRUE(window->btClose->isEnabled());
}

TEST_F(CleanWindow, AbortWarnsThatTheListIsIncompleteAndKeepsWhatWasFound) {
  tree.file("one/x.tmp", 1, 'x');
  tree.file("two/y.tmp", 1, 'x');
  auto window = open({"one", "gone", "two"});
  // The user presses "&Abort" once the box about the folder that is gone has been closed.
  dialogs.afterMessage(QStringLiteral("Can't open drive ") + tree.path("gone"), [&] {
    EXPECT_TRUE(window->scanning());
    EXPECT_FALSE(window->btClose->isEnabled());
    EXPECT_FALSE(window->pckDrive->isEnabled());
    window->btAbort->click();
  });
  window->btScan->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Warning), QStringList{kAborted});
  EXPECT_EQ(rowPaths(*window), QStringList{tree.path("one/x.tmp")});
  EXPECT_FALSE(window->scanning());
  EXPECT_TRUE(window->btClose->isEnabled());
  EXPECT_TRUE(window->btMark->isVisible());
}

TEST_F(CleanWindow, ClosingIsRefusedWhileASearchRuns) {
  tree.file("one/x.tmp", 1, 'x');
  auto window = open({"gone", "one"});
  dialogs.afterMessage(QStringLiteral("Can't open drive ") + tree.path("gone"), [&] { window->reject(); });
  window->btScan->click();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(rowPaths(*window), QStringList{tree.path("one/x.tmp")});
}

TEST_F(CleanWindow, UntickingEveryDriveDisablesStart) {
  auto window = openOn();
  window->pckDrive->setAllTicked(false);
  EXPECT_FALSE(window->btScan->isEnabled());
  window->pckDrive->item(0)->setCheckState(Qt::Checked);
  EXPECT_TRUE(window->btScan->isEnabled());
}

TEST_F(CleanWindow, AddingAFolderToTheListOfDrivesRebuildsTheDriveList) {
  auto window = openOn();
  const QString added = tree.folder("more");
  dialogs.chooseText(added);
  testkit::onNextModal<TfrmAddNewFolder>([](TfrmAddNewFolder& folders) {
    folders.btAdd->click();
    folders.btClose->click();
  });
  window->AddFolder1->trigger();
  QStringList listed;
  for (const DriveListItem& item : window->pckDrive->items()) listed.append(item.path);
  EXPECT_EQ(listed, (QStringList{"/", tree.path("disk"), added}));
  EXPECT_EQ(window->btScan->isEnabled(), window->pckDrive->anyTicked());
}

TEST_F(CleanWindow, EachSortItemTurnsItsOwnDirectionAndHeadingsSortExceptTime) {
  tree.file("disk/b.tmp", 30, 'x');
  tree.file("disk/a.bak", 10, 'x');
  tree.file("disk/c.old", 20, 'x');
  tree.setTimes("disk/b.tmp", 1500000000, 1300000000);
  tree.setTimes("disk/a.bak", 1400000000, 1500000000);
  tree.setTimes("disk/c.old", 1300000000, 1400000000);
  auto window = openOn();
  window->btScan->click();
  const auto names = [&] {
    QStringList shown;
    for (const QString& path : column(*window, FileNameColumn)) shown.append(path.section(u'/', -1));
    return shown;
  };
  ASSERT_EQ(names(), (QStringList{"b.tmp", "c.old", "a.bak"}));  // the search's order, largest first

  struct Step {
    std::function<void()> use;
    QStringList order;
    int ticked;
  };
  SortMenu& sorts = *window->sortMenu();
  const auto heading = [&](int column) {
    return [&, column] { Q_EMIT window->grid->headingClicked(column); };
  };
  const Step steps[] = {
      {[&] { sorts.action(TfrmClean::SortBySize)->trigger(); }, {"a.bak", "c.old", "b.tmp"}, TfrmClean::SortBySize},
      {heading(SizeColumn), {"b.tmp", "c.old", "a.bak"}, TfrmClean::SortBySize},
      {[&] { sorts.action(TfrmClean::SortByName)->trigger(); }, {"a.bak", "b.tmp", "c.old"}, TfrmClean::SortByName},
      {heading(FileNameColumn), {"c.old", "b.tmp", "a.bak"}, TfrmClean::SortByName},
      {heading(ModifiedColumn), {"a.bak", "c.old", "b.tmp"}, TfrmClean::SortByDate},
      {heading(TimeColumn), {"a.bak", "c.old", "b.tmp"}, TfrmClean::SortByDate},
      {heading(AccessColumn), {"b.tmp", "a.bak", "c.old"}, TfrmClean::SortByAccess},
      {heading(AccessColumn), {"c.old", "a.bak", "b.tmp"}, TfrmClean::SortByAccess},
      {[&] { sorts.action(TfrmClean::SortByType)->trigger(); }, {"a.bak", "c.old", "b.tmp"}, TfrmClean::SortByType},
  };
  int number = 0;
  for (const Step& step : steps) {
    step.use();
    EXPECT_EQ(names(), step.order) << "step " << number;
    for (int item = TfrmClean::SortBySize; item <= TfrmClean::SortByType; ++item)
      EXPECT_EQ(sorts.action(item)->isChecked(), item == step.ticked) << "step " << number << " item " << item;
    ++number;
  }
}

TEST_F(CleanWindow, ASecondSearchClearsTheMarksAndTheCounter) {
  tree.file("disk/a.tmp", 10, 'x');
  auto window = openOn();
  window->btScan->click();
  window->grid->markAll();
  ASSERT_EQ(window->grid->marks().count(), 1);
  ASSERT_TRUE(window->btDelete->isEnabled());
  window->btScan->click();
  EXPECT_EQ(window->grid->marks().count(), 0);
  EXPECT_FALSE(window->btDelete->isEnabled());
  EXPECT_EQ(window->pnlSel->text(), "1 tempfiles found");
}

TEST_F(CleanWindow, MarkAndTheDeleteKeyToggleTheCurrentRowAndMoveOn) {
  tree.file("disk/a.tmp", 30, 'x');
  tree.file("disk/b.tmp", 20, 'x');
  auto window = openOn();
  window->btScan->click();
  window->grid->setCurrentIndex(window->grid->model()->index(0, 0));
  window->btMark->click();
  QTest::keyClick(window->grid, Qt::Key_Delete);
  EXPECT_EQ(window->grid->marks().paths(), (QStringList{tree.path("disk/a.tmp"), tree.path("disk/b.tmp")}));
  EXPECT_EQ(window->pnlSel->text(), "2 files 50 bytes");
  EXPECT_TRUE(window->btDelete->isEnabled());
}

TEST_F(CleanWindow, AFileInASafeHarborFolderIsDrawnBoldAndHeldBackByTheDeletionWindow) {
  const QString kept = tree.file("disk/keep/a.tmp", 20, 'x');
  const QString gone = tree.file("disk/b.tmp", 10, 'x');
  SafeHarbor harbor([] { return HostFolders{}; });
  harbor.setFolderLists({tree.path("disk/keep/")}, true, HostFolders{});
  setProtectionCheck(&harbor);
  auto window = openOn();
  window->btScan->click();
  ASSERT_EQ(rowPaths(*window), (QStringList{kept, gone}));
  EXPECT_TRUE(isBold(*window, 0));
  EXPECT_FALSE(isBold(*window, 1));
  window->grid->highlightAction()->trigger();
  EXPECT_FALSE(isBold(*window, 0));

  window->grid->markAll();
  testkit::DeletionPanels panels;
  testkit::cancelNextDeletion(panels);
  window->btDelete->click();
  setProtectionCheck(nullptr);
  EXPECT_EQ(panels.toDelete, QStringList{gone});
  EXPECT_EQ(panels.safeHarbor, QStringList{kept});
  // Cancelled: the window stays with its marks.
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->grid->marks().count(), 2);
}

TEST_F(CleanWindow, CleanHandsOverTheMarkedFilesTaggedTempCleanAndADoneDeletionClosesTheWindow) {
  const QString file = tree.file("disk/a.tmp", 10, 'x');
  auto window = openOn();
  window->btScan->click();
  window->grid->markAll();
  std::vector<DeletionRequest> requests;
  window->grid->runDeletion = [&](const DeletionRequest& request) {
    requests.push_back(request);
    return true;
  };
  window->btDelete->click();
  ASSERT_EQ(requests.size(), 1U);
  EXPECT_EQ(requests[0].files, QStringList{file});
  EXPECT_EQ(requests[0].potentialSavings, 10.0);
  EXPECT_EQ(requests[0].archiveTag, "TempClean");
  EXPECT_FALSE(window->isVisible());
}

TEST_F(CleanWindow, BrowseOpensTheCurrentRowsFileAndThePrintTitleNamesTheTickedDrives) {
  const QString file = tree.file("disk/a.tmp", 10, 'x');
  tree.folder("other");
  auto window = open({"disk", "other"});
  window->btScan->click();
  QStringList browsed;
  window->browseFile = [&](const QString& path) { browsed.append(path); };
  window->grid->setCurrentIndex(window->grid->model()->index(0, 0));
  window->btBrowse->click();
  EXPECT_EQ(browsed, QStringList{file});

  EXPECT_EQ(window->printTitle(),
            QStringLiteral("Temporary files on drive(s) ") + tree.path("disk") + u' ' + tree.path("other") + u' ');
}

}  // namespace
}  // namespace tessaly
