#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "core/browse/browse_sorts.h"
#include "core/safeharbor/safe_harbor.h"
#include "deletion/fake_protection_check.h"
#include "platform/directory_reader.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/browse/browse_window.h"
#include "ui/browse/folder_list_box.h"
#include "ui/deletion/del_directory_window.h"
#include "ui/grid/marked_grid.h"
#include "ui/scan/wild_card_window.h"

namespace tessaly {
namespace {

using testkit::ScriptedDialogs;
using testkit::TempTree;
using testkit::TempXdg;

class BrowseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    drives.add(QStringLiteral("/"), platform::DriveKind::Fixed);
    setProtectionCheck(&check);
  }
  void TearDown() override { setProtectionCheck(nullptr); }

  std::unique_ptr<TfrmBrowse> open(const QString& folder) {
    auto window = std::make_unique<TfrmBrowse>(folder);
    window->show();
    return window;
  }
  static QStringList listedNames(const TfrmBrowse& window) {
    QStringList names;
    const FileTable& table = window.grid->table();
    for (qsizetype row = 0; row < table.rowCount(); ++row) names.append(table.fileOf(row) ? table.fileOf(row)->name : QString());
    return names;
  }
  static QStringList folderEntries(const TfrmBrowse& window) {
    QStringList folders;
    for (int i = 0; i < window.DirectoryListBox1->count(); ++i) folders.append(FolderListBox::folderOf(window.DirectoryListBox1->item(i)));
    return folders;
  }
  static bool exists(const QString& path) {
    platform::EntryStatus status;
    return platform::pathStatus(path, &status);
  }

  TempXdg xdg;
  TempTree tree;
  ScriptedDialogs dialogs;
  testkit::FakeDriveTable drives;
  testkit::FakeProtectionCheck check;
};

TEST_F(BrowseTest, TheListingLeavesOutHiddenFilesAndAnEmptyFolderShowsOneEmptyRow) {
  tree.file("d/b.txt", 1000, 'b');
  tree.file("d/a.txt", 234, 'a');
  tree.file("d/.profile", 50, 'p');
  tree.folder("empty");
  auto window = open(tree.path("d"));
  QStringList names = listedNames(*window);
  names.sort();
  EXPECT_EQ(names, (QStringList{"a.txt", "b.txt"}));
  EXPECT_EQ(window->pnlScan->text(), "Number of files : 2");
  EXPECT_EQ(window->pnlSize->text(), "Total size : 1,234");
  EXPECT_EQ(window->pnlWild->text(), "&Wildcard : *.*");

  window->setFolder(tree.path("empty"));
  EXPECT_EQ(listedNames(*window), QStringList{QString()});
  EXPECT_EQ(window->pnlScan->text(), "Number of files : 0");
  EXPECT_EQ(window->pnlSize->text(), "Total size : 0");
}

TEST_F(BrowseTest, TheFolderListShowsTheWayDownAndTheSubFoldersAndADoubleClickEntersOne) {
  tree.file("d/x/inner.txt", "i");
  tree.folder("d/.hidden");
  tree.folder("d/y");
  auto window = open(tree.path("d"));
  const QStringList entries = folderEntries(*window);
  EXPECT_EQ(entries.first(), "/");
  EXPECT_EQ(entries.mid(entries.size() - 3), (QStringList{tree.path("d"), tree.path("d/x"), tree.path("d/y")}));
  EXPECT_EQ(FolderListBox::folderOf(window->DirectoryListBox1->currentItem()), tree.path("d"));
  EXPECT_EQ(window->DriveCombobox1->currentData().toString(), "/");

  Q_EMIT window->DirectoryListBox1->itemActivated(window->DirectoryListBox1->item(int(entries.size()) - 2));
  EXPECT_EQ(window->currentFolder(), tree.path("d/x"));
  EXPECT_EQ(listedNames(*window), QStringList{"inner.txt"});

  // A folder removed since another window listed it: the nearest folder above it.
  window->setFolder(tree.path("d/y/removed"));
  EXPECT_EQ(window->currentFolder(), tree.path("d/y"));
  EXPECT_EQ(FolderListBox::folderOf(window->DirectoryListBox1->currentItem()), tree.path("d/y"));
}

TEST_F(BrowseTest, ChoosingADriveGoesToItsTopFolderAndADriveNotReadyChangesNothing) {
  tree.file("d/a.txt", "a");
  const QString stick = tree.folder("stick");
  tree.file("stick/photo.jpg", "p");
  const QString card = tree.folder("card");
  drives.add(stick, platform::DriveKind::Removable, QStringLiteral("STICK"));
  drives.add(card, platform::DriveKind::Removable, QStringLiteral("CARD"));
  drives.setReady(card, false);
  auto window = open(tree.path("d"));
  const auto choose = [&](const QString& root) {
    const int index = window->DriveCombobox1->findData(root);
    ASSERT_GE(index, 0) << root.toStdString();
    window->DriveCombobox1->setCurrentIndex(index);
    Q_EMIT window->DriveCombobox1->activated(index);
  };

  choose(card);
  EXPECT_EQ(window->currentFolder(), tree.path("d"));
  EXPECT_EQ(listedNames(*window), QStringList{"a.txt"});
  EXPECT_EQ(window->DriveCombobox1->currentData().toString(), "/");

  choose(stick);
  EXPECT_EQ(window->currentFolder(), stick);
  EXPECT_EQ(listedNames(*window), QStringList{"photo.jpg"});
  EXPECT_EQ(folderEntries(*window).first(), stick);
}

// The menu as the Options button and a right click show it; a submenu's items follow its name.
QStringList menuLines(const QMenu* menu, const QString& indent = QString()) {
  QStringList lines;
  for (const QAction* action : menu->actions()) {
    lines.append(indent + (action->isSeparator() ? QStringLiteral("-") : action->text()));
    if (action->menu()) lines += menuLines(action->menu(), indent + QStringLiteral("  "));
  }
  return lines;
}

TEST_F(BrowseTest, TheOptionsMenuHoldsDetailsTheSortsTheMarksOpenAndView) {
  tree.folder("d");
  auto window = open(tree.path("d"));
  EXPECT_EQ(window->btMenu->menu(), window->PopupMenu1);
  EXPECT_EQ(menuLines(window->PopupMenu1),
            (QStringList{"Details", "Sort", "  Name", "  Modified &Date", "  &Access Date", "  &Size", "  &Type", "Mark",
                         "  Mark all", "  Unmark all", "-", "Open", "View"}));
}

TEST_F(BrowseTest, TheSortsKeepTheirDirectionsForTheWholeRun) {
  for (const char* name : {"b.txt", "a.txt", "c.txt"}) tree.file(QStringLiteral("one/") + QLatin1String(name), "x");
  for (const char* name : {"y.txt", "x.txt"}) tree.file(QStringLiteral("two/") + QLatin1String(name), "x");
  const auto inOrder = [](QStringList names, bool descending) {
    std::sort(names.begin(), names.end());
    if (descending) std::reverse(names.begin(), names.end());
    return names;
  };
  const bool startDescending = browseSortDirections().isDescending(0);
  auto window = open(tree.path("one"));
  EXPECT_TRUE(window->sortItems[0]->isChecked());
  EXPECT_EQ(listedNames(*window), inOrder({"a.txt", "b.txt", "c.txt"}, startDescending));

  window->sortItems[0]->trigger();
  EXPECT_EQ(listedNames(*window), inOrder({"a.txt", "b.txt", "c.txt"}, !startDescending));
  // Another folder comes in the new order, without a further turn.
  window->setFolder(tree.path("two"));
  EXPECT_EQ(listedNames(*window), inOrder({"x.txt", "y.txt"}, !startDescending));
  // So does the next browse window.
  auto next = open(tree.path("one"));
  EXPECT_EQ(listedNames(*next), inOrder({"a.txt", "b.txt", "c.txt"}, !startDescending));
}

TEST_F(BrowseTest, AHeadingClickSortsAsItsMenuItemAndTimeSortsNothing) {
  tree.file("d/small.txt", 1, 's');
  tree.file("d/large.txt", 300, 'l');
  tree.file("d/medium.txt", 20, 'm');
  auto window = open(tree.path("d"));
  const QStringList before = listedNames(*window);
  Q_EMIT window->grid->headingClicked(BrowseTime);
  EXPECT_EQ(listedNames(*window), before);
  EXPECT_TRUE(window->sortItems[0]->isChecked());

  const int size = browseSortOfColumn(BrowseSize);
  const bool descending = !browseSortDirections().isDescending(size);
  Q_EMIT window->grid->headingClicked(BrowseSize);
  QStringList bySize{"small.txt", "medium.txt", "large.txt"};
  if (descending) std::reverse(bySize.begin(), bySize.end());
  EXPECT_EQ(listedNames(*window), bySize);
  EXPECT_TRUE(window->sortItems[size]->isChecked());
  EXPECT_FALSE(window->sortItems[0]->isChecked());
}

TEST_F(BrowseTest, MarksAreClearedWhenTheFolderChanges) {
  tree.file("d/a.txt", 10, 'a');
  tree.file("d/b.txt", 20, 'b');
  tree.folder("other");
  auto window = open(tree.path("d"));
  window->grid->toggleRow(0);
  window->grid->toggleRow(1);
  EXPECT_TRUE(window->btDeleteFiles->isEnabled());
  EXPECT_EQ(window->pnlScan->text(), "Marked for deletion: 2 files 30 bytes");
  window->setFolder(tree.path("other"));
  EXPECT_EQ(window->grid->marks().count(), 0);
  EXPECT_FALSE(window->btDeleteFiles->isEnabled());
  EXPECT_EQ(window->pnlScan->text(), "Number of files : 0");
}

TEST_F(BrowseTest, DeleteFolderRefusesRootsAndSystemFoldersInTheirHostForms) {
  const QString driveRoot = tree.folder("usb");
  drives.add(driveRoot, platform::DriveKind::Removable, QStringLiteral("STICK"));
  const QString root = QStringLiteral(
      "Cannot delete the root folder! To delete a folder including all files and sub-folders double click on the desired "
      "folder shown in the left panel.");
  const std::pair<QString, QString> cases[] = {
      {QStringLiteral("/"), root},
      {driveRoot, root},
      {QStringLiteral("/usr"), QStringLiteral("You cannot delete a system folder using Tessaly 99")},
  };
  for (const auto& [folder, refusal] : cases) {
    dialogs.clear();
    auto window = open(folder);
    window->runFolderDeletion = [](TfrmDelDirectory&) {
      ADD_FAILURE() << "the folder deletion window opened";
      return int(QDialog::Rejected);
    };
    window->btDeleteDirectory->click();
    EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{refusal}) << folder.toStdString();
    EXPECT_EQ(window->currentFolder(), folder);
  }
}

TEST_F(BrowseTest, DeleteFolderOpensTheFolderDeletionWindowFromTheParentAndCancelReturns) {
  tree.file("work/doomed/f.txt", "x");
  for (const bool cancel : {true, false}) {
    SCOPED_TRACE(cancel ? "cancelled" : "deleted");
    auto window = open(tree.path("work/doomed"));
    QString shownDuringDeletion;
    window->runFolderDeletion = [&](TfrmDelDirectory& deletion) {
      shownDuringDeletion = window->currentFolder();
      deletion.show();
      (cancel ? deletion.BitBtn3 : deletion.btDelete)->click();
      return deletion.result();
    };
    window->btDeleteDirectory->click();
    EXPECT_EQ(shownDuringDeletion, tree.path("work"));
    EXPECT_EQ(window->currentFolder(), cancel ? tree.path("work/doomed") : tree.path("work"));
    EXPECT_EQ(exists(tree.path("work/doomed")), cancel);
    EXPECT_EQ(folderEntries(*window).contains(tree.path("work/doomed")), cancel);
  }
}

TEST_F(BrowseTest, ClosingWithMarkedFilesAsksAndNoKeepsTheWindowAndTheMarks) {
  tree.file("d/a.txt", "a");
  tree.file("d/b.txt", "b");
  auto window = open(tree.path("d"));
  window->grid->markAll();
  dialogs.answer(Answer::No);
  window->btClose->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Question),
            QStringList{"You have 2 files marked for deletion. Do you really wish to exit without deleting?"});
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->grid->marks().count(), 2);
  dialogs.answer(Answer::Yes);
  window->btClose->click();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(BrowseTest, CleaningMarkedFilesReadsTheFolderAgainWhateverTheDeletionWindowDid) {
  const QString a = tree.file("d/a.txt", "a");
  tree.file("d/b.txt", "b");
  auto window = open(tree.path("d"));
  window->grid->markAll();
  DeletionRequest handed;
  window->grid->runDeletion = [&](const DeletionRequest& request) {
    handed = request;
    QFile::remove(a);
    return false;  // as if cancelled after removing one file
  };
  window->btDeleteFiles->click();
  EXPECT_EQ(handed.files.size(), 2);
  EXPECT_TRUE(handed.archiveTag.isEmpty());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(listedNames(*window), QStringList{"b.txt"});
  EXPECT_EQ(window->grid->marks().count(), 0);
  EXPECT_FALSE(window->btDeleteFiles->isEnabled());
}

TEST_F(BrowseTest, ANewWildcardPatternNarrowsTheListing) {
  tree.file("d/a.txt", "a");
  tree.file("d/b.doc", "b");
  auto window = open(tree.path("d"));
  window->runWildCard = [](TfrmWildCard& wildCard) {
    EXPECT_EQ(wildCard.cbWildCard->currentText(), "*.*");
    wildCard.cbWildCard->setEditText(QStringLiteral("*.doc"));
    return int(QDialog::Accepted);
  };
  window->pnlWild->click();
  EXPECT_EQ(window->pattern(), "*.doc");
  EXPECT_EQ(listedNames(*window), QStringList{"b.doc"});
  EXPECT_EQ(window->pnlWild->text(), "&Wildcard : *.doc");
}

TEST_F(BrowseTest, OpenOnShowsTheFolderWithThePatternUntilClosed) {
  tree.file("d/a.txt", "a");
  tree.file("d/b.doc", "b");
  struct Case {
    QString pattern;
    QString shownPattern;
    QStringList names;
  };
  const Case cases[] = {
      {QStringLiteral("*.doc"), QStringLiteral("*.doc"), {"b.doc"}},
      {QString(), QStringLiteral("*.*"), {"a.txt", "b.doc"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shownPattern.toStdString());
    bool sawWindow = false;
    QTimer::singleShot(0, [&] {
      auto* window = qobject_cast<TfrmBrowse*>(QApplication::activeModalWidget());
      ASSERT_NE(window, nullptr);
      sawWindow = true;
      EXPECT_EQ(window->currentFolder(), tree.path("d"));
      EXPECT_EQ(window->pattern(), c.shownPattern);
      QStringList names = listedNames(*window);
      names.sort();
      EXPECT_EQ(names, c.names);
      window->btClose->click();
    });
    TfrmBrowse::openOn(tree.path("d"), c.pattern, QStringLiteral("a.txt"), nullptr);
    EXPECT_TRUE(sawWindow);
  }
}

TEST_F(BrowseTest, AFolderOnTheSafeHarborShowsItsLabelHighlighted) {
  tree.folder("plain");
  tree.folder("kept");
  check.protect(tree.path("kept"), SystemFolderReason);
  for (const auto& [folder, protectedFolder] : {std::pair{"plain", false}, std::pair{"kept", true}}) {
    auto window = open(tree.path(folder));
    EXPECT_EQ(window->Label1->toolTip(), protectedFolder ? "Folder is ON the Non-Deletion List" : "") << folder;
    EXPECT_EQ(window->Label1->backgroundRole(), protectedFolder ? QPalette::Highlight : QPalette::Button) << folder;
  }
}

}  // namespace
}  // namespace tessaly
