#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "archive/zip_test_helpers.h"
#include "core/archive/archive_settings.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/archive/folder_name_window.h"
#include "ui/archive/folder_picker.h"
#include "ui/archive/unzip_window.h"
#include "ui/archive/zip_directory_window.h"
#include "ui/archive/zip_options_window.h"

namespace tessaly {
namespace {

using testkit::ScriptedDialogs;
using testkit::TempTree;
using testkit::TempXdg;

QStringList listed(const QListWidget* list) {
  QStringList names;
  for (int i = 0; i < list->count(); ++i) names.append(list->item(i)->text());
  return names;
}

TEST(ZipOptions, CancelStillStoresTheFolderAndTheCommentLimitedTo80Characters) {
  TempXdg xdg;
  ScriptedDialogs dialogs;
  QString defaultZipPath;
  TfrmZipOptions options(defaultZipPath);
  options.show();
  dialogs.chooseText("/srv/archives");
  options.SpeedButton1->click();
  options.Edit2->setFocus();
  QTest::keyClicks(options.Edit2, QString(100, u'c'));
  options.btCancel->click();
  EXPECT_EQ(options.result(), QDialog::Rejected);
  EXPECT_EQ(readArchiveFolder(), "/srv/archives");
  EXPECT_EQ(readArchiveComment(), QString(80, u'c'));
  EXPECT_EQ(defaultZipPath, "/srv/archives");
}

TEST(UnZipIt, ListsOnlyTheProgramsArchivesWithoutRegardToCase) {
  ScriptedDialogs dialogs;
  TempTree tree;
  craftArchive(tree.path("Drive-root-TempClean06Sep970533.zip"), {{"a", "a"}});
  craftArchive(tree.path("DRIVE-root-X.ZIP"), {{"b", "b"}});
  craftArchive(tree.path("BACKUP.ZIP"), {{"c", "c"}});
  TfrmUnZipIt window(tree.root());
  window.show();
  EXPECT_EQ(listed(window.FileListBox1), (QStringList{"Drive-root-TempClean06Sep970533.zip", "DRIVE-root-X.ZIP"}));
  EXPECT_FALSE(window.btExtract->isEnabled());
  QTest::qWait(700);
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST(UnZipIt, AnEmptyFolderGetsTheNoticeAfterItIsShown) {
  ScriptedDialogs dialogs;
  TempTree tree;
  TfrmUnZipIt window(tree.root());
  window.show();
  EXPECT_TRUE(dialogs.shown().isEmpty());
  QTest::qWait(800);
  ASSERT_EQ(dialogs.texts(MessageStyle::Information).size(), 1);
  EXPECT_TRUE(dialogs.texts().first().startsWith("It appears that there are no archive zip files in this folder"));
}

TEST(UnZipIt, ADamagedArchiveNeverReplacesTheOneOnDisplay) {
  ScriptedDialogs dialogs;
  TempTree tree;
  craftArchive(tree.path("Drive-root-A.zip"), {{"home/a.txt", "a"}, {"home/b.txt", "b"}});
  tree.file("Drive-root-B.zip", "not an archive at all");
  TfrmUnZipIt window(tree.root());
  window.show();
  window.FileListBox1->setCurrentRow(0);
  window.FileListBox1DblClick();
  EXPECT_EQ(window.lblCount->text(), "2 files");
  window.FileListBox1->setCurrentRow(1);
  window.FileListBox1DblClick();
  EXPECT_EQ(window.lblZip->text(), tree.path("Drive-root-A.zip"));
  EXPECT_EQ(window.lblCount->text(), "2 files");
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST(ZipDirectory, RestoringAnywhereButTheOriginalRootAsksFirst) {
  ScriptedDialogs dialogs;
  TempTree tree;
  TfrmZipDirectory original(tree.path("Drive-root-A.zip"));
  ASSERT_TRUE(original.FormShow());
  EXPECT_EQ(original.DirLabel->text(), "/");
  original.Button1->click();
  EXPECT_EQ(original.result(), QDialog::Accepted);
  EXPECT_TRUE(dialogs.shown().isEmpty());

  TfrmZipDirectory elsewhere(tree.path("Drive-root-A.zip"));
  ASSERT_TRUE(elsewhere.FormShow());
  elsewhere.DLB->setFolder(tree.root());
  dialogs.answer(Answer::No);
  elsewhere.Button1->click();
  EXPECT_NE(elsewhere.result(), QDialog::Accepted);
  EXPECT_TRUE(dialogs.texts().last().startsWith("You are not restoring into the original root folder."));

  TfrmZipDirectory foreign(tree.path("backup.zip"));
  ASSERT_TRUE(foreign.FormShow());
  dialogs.answer(Answer::Yes);
  foreign.Button1->click();
  EXPECT_EQ(foreign.result(), QDialog::Accepted);
}

TEST(ZipDirectory, CreateSubFolderMakesTheFolderBelowTheCurrentOne) {
  ScriptedDialogs dialogs;
  TempTree tree;
  TfrmZipDirectory dialog(tree.path("Drive-root-A.zip"));
  ASSERT_TRUE(dialog.FormShow());
  dialog.DLB->setFolder(tree.root());
  dialog.runFolderNameDialog = [](TfrmGetFolderName& names) {
    EXPECT_EQ(names.windowTitle(), "Create Sub-folder");
    names.Edit1->setText("restore/here");
    return true;
  };
  dialog.Button3->click();
  EXPECT_TRUE(QFileInfo(tree.path("restore/here")).isDir());
}

TEST(UnZipIt, ExtractionRestoresTheFilesAndRefusesAClimbingEntry) {
  ScriptedDialogs dialogs;
  TempTree tree;
  craftArchive(tree.path("Drive-root-A.zip"), {{"home/ann/a.txt", "restored"}, {"../evil.txt", "bad"}});
  const QString destination = tree.folder("dest");
  TfrmUnZipIt window(tree.root());
  window.runDestinationDialog = [&](TfrmZipDirectory& dialog) {
    dialog.DLB->setFolder(destination);
    return true;
  };
  window.show();
  window.FileListBox1->setCurrentRow(0);
  window.btExtract->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Cannot extract ../evil.txt from Drive-root-A.zip"});
  EXPECT_EQ(dialogs.texts().last(), "Files were unzipped");
  QFile restored(destination + "/home/ann/a.txt");
  ASSERT_TRUE(restored.open(QIODevice::ReadOnly));
  EXPECT_EQ(restored.readAll(), "restored");
  EXPECT_FALSE(QFileInfo::exists(tree.path("evil.txt")));
}

}  // namespace
}  // namespace tessaly
