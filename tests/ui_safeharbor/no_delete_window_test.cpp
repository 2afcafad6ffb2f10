#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "core/common/settings_store.h"
#include "core/safeharbor/folders_file.h"
#include "core/safeharbor/safe_harbor.h"
#include "platform/xdg_paths.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/lists/pattern_list_view.h"
#include "ui/lists/pattern_list_window.h"
#include "ui/safeharbor/edit_folder_window.h"
#include "ui/safeharbor/no_delete_window.h"

namespace tessaly {
namespace {

// Runs the action on the modal window that the next click opens.
template <typename Window>
void onNextModal(std::function<void(Window*)> action) {
  QTimer::singleShot(0, [action] {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr);
    action(window);
  });
}

void select(QListView* list, std::initializer_list<int> rows) {
  for (int row : rows) {
    const QModelIndex index = list->model()->index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select);
  }
}

QByteArray foldersFileBytes() {
  QFile file(platform::foldersListPath());
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SafeHarborWindow : public ::testing::Test {
 protected:
  void saveFolders(const QStringList& entries) {
    QString error;
    ASSERT_TRUE(saveFoldersFile(entries, &error));
  }
  testkit::TempXdg xdg;
  testkit::TempTree tree;
  testkit::FakeFileTypes types;
  testkit::ScriptedDialogs dialogs;
  testkit::FakeInstalledSoftware software;
  SafeHarbor harbor{[] { return HostFolders{}; }};
};

TEST_F(SafeHarborWindow, BuildKeepsAllSubFolderEntriesAddsTheSoftwareFoldersAndUnlocksTheTools) {
  harbor.load();
  EXPECT_TRUE(harbor.missing());
  const QString acme = tree.folder("opt/acme/bin");
  const QString tools = tree.folder("tools");
  const QString keep = tree.folder("keep/sub");
  software.values = {acme + "/acme", tools + "/run", keep + "/x", tree.path("gone/x"), "relative/x"};
  saveFolders({tree.path("keep/*.*"), tree.path("old/")});
  {
    TfrmNoDelete window(nullptr);
    EXPECT_EQ(window.lblCount->text(), "2 folders");
    EXPECT_EQ(window.lblWhen->text(), "Not recorded");
    dialogs.answer(Answer::Yes);
    window.btBuild->click();
    EXPECT_TRUE(dialogs.texts().first().startsWith("Tessaly will now scan the installed software for references to folders."));
    EXPECT_EQ(window.folderEntries(), (QStringList{tree.path("keep/*.*"), acme + "/", tools + "/"}));
    EXPECT_EQ(window.lblCount->text(), "3 folders");
    EXPECT_TRUE(window.btAdd->isEnabled());
    EXPECT_NE(window.lblWhen->text(), "Not recorded");
    EXPECT_EQ(programSettings().readString("Folders", "When", ""), window.lblWhen->text());
    EXPECT_TRUE(window.listsChanged());
    window.btClose->click();
  }
  EXPECT_EQ(foldersFileBytes(), (tree.path("keep/*.*") + "\r\n" + acme + "/\r\n" + tools + "/\r\n").toUtf8());
  harbor.load();
  EXPECT_FALSE(harbor.missing());
  int reason = 0;
  EXPECT_TRUE(harbor.isInExceptionList(acme + "/acme", true, &reason));
  EXPECT_EQ(reason, InstalledSoftwareReason);
}

TEST_F(SafeHarborWindow, BuildAnsweredNoChangesNothing) {
  saveFolders({"/srv/old/"});
  TfrmNoDelete window(nullptr);
  dialogs.answer(Answer::No);
  window.btBuild->click();
  EXPECT_EQ(window.folderEntries(), QStringList{"/srv/old/"});
  EXPECT_FALSE(window.listsChanged());
  EXPECT_FALSE(window.foldersChanged());
}

TEST_F(SafeHarborWindow, AddAppendsTheChosenFolderWithASlashAndTheSavedListIsReloaded) {
  saveFolders({"/srv/b/"});
  {
    TfrmNoDelete window(nullptr);
    dialogs.chooseText("/srv/a");
    window.btAdd->click();
    dialogs.chooseText("");
    window.btAdd->click();
    EXPECT_EQ(window.folderEntries(), (QStringList{"/srv/b/", "/srv/a/"}));
    EXPECT_EQ(window.lblCount->text(), "2 folders");
    EXPECT_TRUE(window.foldersChanged());
    EXPECT_FALSE(window.listsChanged());
    window.show();
    window.close();
    EXPECT_TRUE(window.listsChanged());
  }
  EXPECT_EQ(foldersFileBytes(), QByteArray("/srv/a/\r\n/srv/b/\r\n"));
}

TEST_F(SafeHarborWindow, DeleteWantsASelectionAsksOnceAndDeletingEveryFolderDeletesTheFile) {
  saveFolders({"/srv/a/", "/srv/b/", "/srv/c/"});
  {
    TfrmNoDelete window(nullptr);
    window.btDel->click();
    EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Select one or more folders from the list above"});

    select(window.ListBox1, {0, 2});
    dialogs.answer(Answer::Cancel);
    window.btDel->click();
    EXPECT_EQ(window.folderEntries().size(), 3);
    EXPECT_FALSE(window.foldersChanged());

    dialogs.answer(Answer::Ok);
    window.btDel->click();
    EXPECT_EQ(window.folderEntries(), QStringList{"/srv/b/"});
    EXPECT_EQ(window.lblCount->text(), "1 folders");

    select(window.ListBox1, {0});
    dialogs.answer(Answer::Ok);
    window.btDel->click();
    EXPECT_EQ(dialogs.texts().count("Really delete the selected folders?"), 3);
    window.show();
    window.close();
  }
  EXPECT_FALSE(foldersFileExists());
  harbor.load();
  EXPECT_TRUE(harbor.missing());
}

TEST_F(SafeHarborWindow, EditWantsAFolderAndTickingSubFoldersPrunesWhatTheyCover) {
  saveFolders({"/opt/acme/", "/opt/acme/bin/", "/srv/x/"});
  TfrmNoDelete window(nullptr);
  window.btEdit->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Select a folder first"});

  select(window.ListBox1, {0});
  onNextModal<TfrmEditFolder>([](TfrmEditFolder* editor) {
    EXPECT_EQ(editor->Edit1->text(), "/opt/acme/");
    EXPECT_FALSE(editor->cbAll->isChecked());
    editor->Edit1->setText("/opt/acme");
    editor->cbAll->click();
    EXPECT_EQ(editor->lblExample->text(), "All files and sub-folders below \"/opt/acme\" will NOT be deleted.");
    editor->btOk->click();
  });
  window.btEdit->click();
  EXPECT_EQ(window.folderEntries(), (QStringList{"/opt/acme/*.*", "/srv/x/"}));
  EXPECT_EQ(window.lblCount->text(), "2 folders");
  EXPECT_EQ(window.ListBox1->currentIndex().row(), 0);
  EXPECT_TRUE(window.foldersChanged());

  onNextModal<TfrmEditFolder>([](TfrmEditFolder* editor) {
    EXPECT_EQ(editor->Edit1->text(), "/opt/acme/");
    EXPECT_TRUE(editor->cbAll->isChecked());
    editor->Edit1->clear();
    editor->btOk->click();
  });
  window.btEdit->click();
  EXPECT_EQ(window.folderEntries(), (QStringList{"/opt/acme/*.*", "/srv/x/"}));
}

TEST_F(SafeHarborWindow, TheTypesPageShowsTheKeepListAndItsEditorMarksTheListsForReloading) {
  TfrmNoDelete window(nullptr);
  EXPECT_EQ(window.PickList1->lineTexts(), (QStringList{"*.efi\tEFI File", "*.ko\tKO File"}));
  programSettings().writeList("NoDelExt", {"*.ini"});
  onNextModal<TfrmKeepFiles>([](TfrmKeepFiles* editor) {
    EXPECT_EQ(editor->PickList1->lineTexts(), QStringList{"*.ini\tINI File"});
    editor->btClose->click();
  });
  window.BitBtn1->click();
  EXPECT_EQ(window.PickList1->lineTexts(), QStringList{"*.ini\tINI File"});
  EXPECT_TRUE(window.listsChanged());
  EXPECT_FALSE(window.foldersChanged());
}

TEST(EditFolderWindow, ExplainsWhatTheEntryWillProtect) {
  struct Case {
    const char* folder;
    bool all;
    const char* example;
  };
  const Case cases[] = {
      {"/opt/acme/", true, "All files and sub-folders below \"/opt/acme/\" will NOT be deleted."},
      {"", true, "All files and sub-folders below the one you select will NOT be deleted."},
      {"/opt/acme/", false, "Only files in this folder \"/opt/acme/\" will NOT be deleted."},
      {"", false, ""},
  };
  for (const Case& c : cases) {
    TfrmEditFolder editor(nullptr);
    editor.Edit1->setText(c.folder);
    editor.cbAll->setChecked(c.all);
    editor.show();
    EXPECT_EQ(editor.lblExample->text(), c.example) << c.folder << c.all;
  }
}

TEST(EditFolderWindow, BrowsePutsTheChosenFolderIntoTheField) {
  testkit::ScriptedDialogs dialogs;
  TfrmEditFolder editor(nullptr);
  editor.Edit1->setText("/opt");
  dialogs.chooseText("/opt/acme");
  editor.SpeedButton1->click();
  EXPECT_EQ(editor.Edit1->text(), "/opt/acme");
  dialogs.chooseText("");
  editor.SpeedButton1->click();
  EXPECT_EQ(editor.Edit1->text(), "/opt/acme");
  EXPECT_EQ(dialogs.shown().first().caption, "Select a folder that won't be deleted");
}

}  // namespace
}  // namespace tessaly
