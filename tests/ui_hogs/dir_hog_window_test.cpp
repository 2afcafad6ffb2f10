#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/common/text_routines.h"
#include "deletion/fake_protection_check.h"
#include "platform/xdg_paths.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/grid/grid_model.h"
#include "ui/grid/report_commands.h"
#include "ui/grid/window_sizing.h"
#include "ui/hogs/dir_hog_window.h"
#include "ui/hogs/folder_grid.h"
#include "ui/scan/drive_check_list.h"

namespace tessaly {
namespace {

using testkit::TempTree;

// Presses "&Abort" when the walk reaches the folder.
class AbortingPacer final : public WalkPacer {
 public:
  AbortingPacer(TfrmDirHog& window, QString at) : window_(window), at_(std::move(at)) {}
  void progress(const QString& folder) override {
    if (folder == at_) window_.btAbort->click();
  }

 private:
  TfrmDirHog& window_;
  QString at_;
};

// A folder hogs window over a temporary tree, which is its only ticked item: an added folder.
class DirHogTest : public ::testing::Test {
 protected:
  DirHogTest() {
    drives.add(QStringLiteral("/"), platform::DriveKind::Fixed, {}, 500, 1000);
    tree.file(QStringLiteral("Big/Deep/er/a"), 300, 'a');
    tree.file(QStringLiteral("Big/b"), 100, 'b');
    tree.file(QStringLiteral("small/c"), 7, 'c');
    tree.file(QStringLiteral("Middle/d"), 50, 'd');
    tree.file(QStringLiteral("top"), 1, 'e');
  }

  // Unless the real folder deletion window is wanted, the hand-over is recorded and answered
  // with nextReport.
  TfrmDirHog& open(bool realDeletionWindow = false) {
    window = std::make_unique<TfrmDirHog>();
    window->protection = &check;
    window->deletionServices.protection = &check;
    window->deletionServices.harbor = HarborLists{};
    if (!realDeletionWindow) {
      window->runFolderDeletion = [this](const QString& folder) {
        handedOver.append(folder);
        return nextReport;
      };
    }
    DriveListItem item{tree.root(), tree.root(), true};
    item.ticked = true;
    window->pckDrive->setItems({item});
    window->resize(800, 500);
    window->show();
    return *window;
  }

  GridModel& model() const { return *window->grid->model(); }
  QStringList column(int column) const {
    QStringList cells;
    for (int row = 0; row < model().dataRowCount(); ++row) cells.append(model().row(row).cells.value(column));
    return cells;
  }
  int rowOf(const QString& relative) const { return int(column(FolderNameColumn).indexOf(tree.path(relative))); }
  // A click on a cell that ends where it began: the user's choice of the row.
  void clickRow(int row) {
    const QRect cell = window->grid->visualRect(model().index(row, FolderNameColumn));
    QTest::mouseClick(window->grid->viewport(), Qt::LeftButton, {}, cell.center());
  }
  void clickHeading(int column) {
    QHeaderView* headings = window->grid->horizontalHeader();
    const int middle = headings->sectionViewportPosition(column) + headings->sectionSize(column) / 2;
    QTest::mouseClick(headings->viewport(), Qt::LeftButton, {}, QPoint(middle, headings->height() / 2));
  }
  QStringList names() const { return column(FolderNameColumn); }
  QStringList paths(std::initializer_list<const char*> relatives) const {
    QStringList all;
    for (const char* relative : relatives) all.append(tree.path(QString::fromUtf8(relative)));
    return all;
  }

  testkit::TempXdg xdg;
  testkit::FakeDriveTable drives;
  testkit::ScriptedDialogs dialogs;
  testkit::FakeProtectionCheck check;
  TempTree tree;
  std::unique_ptr<TfrmDirHog> window;
  QStringList handedOver;
  FolderRunReport nextReport;
};

TEST_F(DirHogTest, MainFoldersListTheFoldersBelowTheRootLargestFirstInTheirOwnCase) {
  TfrmDirHog& hogs = open();
  EXPECT_TRUE(hogs.btDelete->isHidden());
  hogs.btTop->click();
  EXPECT_EQ(names(), paths({"Big", "Middle", "small"}));
  EXPECT_EQ(column(FolderSizeColumn), (QStringList{"400", "50", "7"}));
  EXPECT_EQ(column(FolderShareColumn), (QStringList{"40.00", "5.00", "0.70"}));
  EXPECT_EQ(column(FolderSubFoldersColumn), (QStringList{"2", "0", "0"}));
  EXPECT_EQ(hogs.pnlScan->text(), QStringLiteral("Folders : 3"));
  EXPECT_TRUE(hogs.btOptions->isVisible() && hogs.btBrowse->isVisible() && hogs.btDelete->isVisible());
  EXPECT_TRUE(hogs.btTop->isEnabled() && hogs.btClose->isEnabled() && hogs.btAbort->isHidden());
  EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(DirHogTest, ARootHoldingOnlyFilesFindsNothingInBothModes) {
  TempTree filesOnly;
  filesOnly.file(QStringLiteral("one"), 10, 'x');
  filesOnly.file(QStringLiteral(".hidden"), 5, 'x');
  TfrmDirHog& hogs = open();
  DriveListItem item{filesOnly.root(), filesOnly.root(), true};
  item.ticked = true;
  hogs.pckDrive->setItems({item});

  hogs.btTop->click();
  EXPECT_EQ(model().dataRowCount(), 0);
  EXPECT_EQ(dialogs.texts(MessageStyle::Information), QStringList{"No files found."});
  EXPECT_TRUE(hogs.btDelete->isHidden());

  dialogs.clear();
  hogs.btAll->click();
  // The root alone is listed, with its two files, and that still counts as nothing found.
  EXPECT_EQ(names(), QStringList{filesOnly.root()});
  EXPECT_EQ(column(FolderFilesColumn), QStringList{"2"});
  EXPECT_EQ(dialogs.texts(MessageStyle::Information), QStringList{"No files found."});
  EXPECT_TRUE(hogs.btOptions->isHidden() && hogs.btBrowse->isHidden() && hogs.btDelete->isHidden());
}

TEST_F(DirHogTest, AScanSortsLargestFirstAndSortBySizeThenAlternates) {
  TfrmDirHog& hogs = open();
  const QStringList largestFirst = paths({"Big", "Middle", "small"});
  const QStringList smallestFirst = paths({"small", "Middle", "Big"});
  for (int scan = 0; scan < 2; ++scan) {
    hogs.btTop->click();
    EXPECT_EQ(names(), largestFirst) << "after scan " << scan;
    EXPECT_TRUE(hogs.sortItems[FolderSortBySize]->isChecked());
    hogs.sortItems[FolderSortBySize]->trigger();
    EXPECT_EQ(names(), smallestFirst) << "first use after scan " << scan;
    hogs.sortItems[FolderSortBySize]->trigger();
    EXPECT_EQ(names(), largestFirst) << "second use after scan " << scan;
    hogs.sortItems[FolderSortBySize]->trigger();  // leaves the size direction ascending for the next scan
  }
}

TEST_F(DirHogTest, SortDirectionsLastFromOneOpeningOfTheWindowToTheNext) {
  const QStringList aToZ = paths({"Big", "Middle", "small"});
  const QStringList zToA = paths({"small", "Middle", "Big"});
  open().btTop->click();
  window->sortItems[FolderSortByName]->trigger();
  const QStringList firstOpening = names();
  ASSERT_TRUE(firstOpening == aToZ || firstOpening == zToA);
  window.reset();

  open().btTop->click();
  window->sortItems[FolderSortByName]->trigger();
  EXPECT_EQ(names(), firstOpening == aToZ ? zToA : aToZ);
}

TEST_F(DirHogTest, HeadingClicksSortByTheirColumnButPercentUsedDoesNothing) {
  tree.file(QStringLiteral("small/more/e"), 1, 'f');
  TfrmDirHog& hogs = open();
  hogs.btTop->click();
  const QStringList bySize = names();
  clickHeading(FolderShareColumn);
  EXPECT_EQ(names(), bySize);
  EXPECT_TRUE(hogs.sortItems[FolderSortBySize]->isChecked());

  const bool descending = folderHogsSortDirections().isDescending(FolderSortBySubFolders);
  clickHeading(FolderSubFoldersColumn);
  EXPECT_TRUE(hogs.sortItems[FolderSortBySubFolders]->isChecked());
  const QStringList expected = descending ? paths({"Big", "small", "Middle"}) : paths({"Middle", "small", "Big"});
  EXPECT_EQ(names(), expected);
}

TEST_F(DirHogTest, ADriveOfUnknownSizeShowsQuestionMarksForEveryFolder) {
  drives.add(QStringLiteral("/"), platform::DriveKind::Fixed, {}, 0, 0);
  TfrmDirHog& hogs = open();
  hogs.btAll->click();
  ASSERT_EQ(model().dataRowCount(), 6);
  EXPECT_EQ(column(FolderShareColumn), QStringList(6, QStringLiteral("???")));
}

TEST_F(DirHogTest, CleanRightAfterAScanDoesNothingUntilTheUserChoosesARow) {
  TfrmDirHog& hogs = open();
  hogs.btTop->click();
  // The grid taking the focus after a scan puts a row current; that is no choice of the user's.
  hogs.grid->setCurrentIndex(model().index(0, FolderNameColumn));
  hogs.btDelete->click();
  EXPECT_TRUE(handedOver.isEmpty());
  EXPECT_TRUE(dialogs.texts().isEmpty());

  clickRow(rowOf(QStringLiteral("Middle")));
  hogs.btDelete->click();
  EXPECT_EQ(handedOver, paths({"Middle"}));

  // A heading click is the last click now: "Clean?" does nothing again.
  clickHeading(FolderShareColumn);
  hogs.btDelete->click();
  EXPECT_EQ(handedOver.size(), 1);

  // Moving with the keyboard chooses, as a click does; a double click cleans at once.
  QTest::keyClick(hogs.grid, Qt::Key_Down);
  hogs.btDelete->click();
  EXPECT_EQ(handedOver.size(), 2);
  const QRect cell = hogs.grid->visualRect(model().index(rowOf(QStringLiteral("small")), FolderNameColumn));
  QTest::mouseDClick(hogs.grid->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(handedOver.last(), tree.path("small"));
}

TEST_F(DirHogTest, RootsSystemFoldersAndTheHomeFolderAreRefused) {
  drives.add(tree.path("Middle"), platform::DriveKind::Removable);
  TfrmDirHog& hogs = open();
  ResultTable table = folderHogsTable();
  const QString home = platform::homeFolder();
  const struct {
    QString folder;
    QString refusal;  // empty: handed to the folder deletion window
  } cases[] = {
      {QStringLiteral("/"), QStringLiteral("You cannot delete the root folder using Tessaly 99")},
      {tree.path("Middle"), QStringLiteral("You cannot delete the root folder using Tessaly 99")},
      {QStringLiteral("/usr"), QStringLiteral("You cannot delete a system folder using Tessaly 99")},
      {QStringLiteral("/etc"), QStringLiteral("You cannot delete a system folder using Tessaly 99")},
      {home, QStringLiteral("You cannot delete your home folder using Tessaly 99")},
      {QStringLiteral("/usr/share/doc"), QString()},
      {tree.path("small"), QString()},
  };
  for (const auto& c : cases) {
    ResultRow row;
    row.cells = QStringList{"1", "0.10", "1", "0", "", c.folder};
    table.rows.push_back(row);
  }
  hogs.grid->model()->resetTable(table);
  for (int row = 0; row < int(std::size(cases)); ++row) {
    SCOPED_TRACE(cases[row].folder.toStdString());
    dialogs.clear();
    handedOver.clear();
    clickRow(row);
    hogs.btDelete->click();
    if (cases[row].refusal.isEmpty()) {
      EXPECT_TRUE(dialogs.texts().isEmpty());
      EXPECT_EQ(handedOver, QStringList{cases[row].folder});
    } else {
      EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{cases[row].refusal});
      EXPECT_TRUE(handedOver.isEmpty());
    }
  }
}

TEST_F(DirHogTest, ACleanedRowSaysWhatTheRunDidAndIsNotCleanedTwice) {
  TfrmDirHog& hogs = open();
  hogs.btTop->click();
  const struct {
    FolderRunKind kind;
    bool folderRemoved;
    qint64 removedFiles;
    QString label;  // empty: the row keeps its size
  } cases[] = {
      {FolderRunKind::Delete, true, 3, "DELETED"},
      {FolderRunKind::Trash, true, 3, "RECYCLED"},
      {FolderRunKind::Delete, false, 2, "PARTLY DELETED"},
      {FolderRunKind::Trash, false, 2, "PARTLY RECYCLED"},
      {FolderRunKind::Delete, false, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label.toStdString());
    hogs.btTop->click();
    const int row = rowOf(QStringLiteral("Middle"));
    const QString sizeBefore = model().row(row).cells[FolderSizeColumn];
    nextReport = FolderRunReport{};
    nextReport.started = true;
    nextReport.kind = c.kind;
    nextReport.folderRemoved = c.folderRemoved;
    nextReport.removedFiles = c.removedFiles;
    clickRow(row);
    hogs.btDelete->click();
    EXPECT_EQ(model().row(row).cells[FolderSizeColumn], c.label.isEmpty() ? sizeBefore : c.label);
    EXPECT_EQ(model().row(row).cells[FolderNameColumn], tree.path("Middle"));
  }
  // The last labelled row refuses a second cleaning.
  hogs.btTop->click();
  nextReport.folderRemoved = true;
  nextReport.removedFiles = 1;
  clickRow(rowOf(QStringLiteral("Middle")));
  hogs.btDelete->click();
  dialogs.clear();
  hogs.btDelete->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Folder already deleted/recycled"});
}

TEST_F(DirHogTest, CleanHandsTheFolderToTheFolderDeletionWindowWhichRemovesIt) {
  TfrmDirHog& hogs = open(true);
  hogs.btTop->click();
  const int row = rowOf(QStringLiteral("Big"));
  clickRow(row);
  QString caption;
  QTimer::singleShot(0, [&] {
    auto* deletion = qobject_cast<TfrmDelDirectory*>(QApplication::activeModalWidget());
    ASSERT_NE(deletion, nullptr);
    caption = deletion->windowTitle();
    deletion->btDelete->click();
  });
  hogs.btDelete->click();
  EXPECT_EQ(caption, QStringLiteral("Clean directory, sub-directories and all files"));
  EXPECT_EQ(dialogs.texts(), QStringList{"Deleted 2 files for a savings of 400 bytes."});
  EXPECT_FALSE(QFileInfo::exists(tree.path("Big")));
  EXPECT_EQ(model().row(row).cells[FolderSizeColumn], QStringLiteral("DELETED"));
}

TEST_F(DirHogTest, AbortKeepsTheFoldersFoundSoFar) {
  TfrmDirHog& hogs = open();
  AbortingPacer pacer(hogs, tree.path("small"));
  hogs.pacer = &pacer;
  hogs.btAll->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Warning), QStringList{"LIST INCOMPLETE ... ABORTED BY USER"});
  EXPECT_FALSE(names().contains(tree.root()));
  EXPECT_TRUE(hogs.btTop->isEnabled() && hogs.btAll->isEnabled() && hogs.btClose->isEnabled());
  EXPECT_TRUE(hogs.btAbort->isHidden());
}

TEST_F(DirHogTest, TheScanButtonsNeedATickedItem) {
  TfrmDirHog& hogs = open();
  EXPECT_TRUE(hogs.btTop->isEnabled() && hogs.btAll->isEnabled());
  hogs.pckDrive->setAllTicked(false);
  EXPECT_FALSE(hogs.btTop->isEnabled() || hogs.btAll->isEnabled());
  hogs.pckDrive->setAllTicked(true);
  EXPECT_TRUE(hogs.btTop->isEnabled() && hogs.btAll->isEnabled());
}

TEST_F(DirHogTest, ProtectedFoldersAreBoldWhileTheHighlightIsTicked) {
  check.protect(tree.path("Middle"), SystemFolderReason);
  TfrmDirHog& hogs = open();
  hogs.btTop->click();
  const auto bold = [this](const char* relative, int column) {
    return model().data(model().index(rowOf(QString::fromUtf8(relative)), column), Qt::FontRole).value<QFont>().bold();
  };
  EXPECT_TRUE(bold("Middle", FolderNameColumn));
  EXPECT_FALSE(bold("Middle", FolderSizeColumn));
  EXPECT_FALSE(bold("Big", FolderNameColumn));
  hogs.HighlightFolders1->trigger();
  EXPECT_FALSE(bold("Middle", FolderNameColumn));
}

TEST_F(DirHogTest, ReportsNameTheTickedItemsAndCopyTheFolderNames) {
  TfrmDirHog& hogs = open();
  hogs.btTop->click();
  EXPECT_EQ(hogs.printTitle(), QStringLiteral("Folder hogs on drive(s) ") + tree.root() + u' ');
  hogs.reports()->copyNamesAction()->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), paths({"Big", "Middle", "small"}).join(QStringLiteral("\r\n")) + "\r\n");
  EXPECT_EQ(hogs.reports()->copyNamesAction()->text(), QStringLiteral("Folder names "));
}

TEST_F(DirHogTest, BrowseOpensTheSelectedRowsFolder) {
  TfrmDirHog& hogs = open();
  QStringList browsed;
  hogs.browseFolder = [&](const QString& folder) { browsed.append(folder); };
  hogs.btTop->click();
  clickRow(rowOf(QStringLiteral("small")));
  hogs.btBrowse->click();
  EXPECT_EQ(browsed, paths({"small"}));
}

TEST_F(DirHogTest, ShrinkingTheTopPanelHidesItUntilItIsRestored) {
  TfrmDirHog& hogs = open();
  EXPECT_FALSE(hogs.topPanel()->restoreAction()->isEnabled());
  hogs.topPanel()->shrinkAction()->trigger();
  EXPECT_FALSE(hogs.Panel1->isVisible());
  EXPECT_FALSE(hogs.topPanel()->shrinkAction()->isEnabled());
  hogs.topPanel()->restoreAction()->trigger();
  EXPECT_TRUE(hogs.Panel1->isVisible());
}

}  // namespace
}  // namespace tessaly
