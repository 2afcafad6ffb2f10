#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "archive/zip_test_helpers.h"
#include "core/archive/archive_settings.h"
#include "support/keyboard_checks.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/archive/folder_name_window.h"
#include "ui/archive/folder_picker.h"
#include "ui/archive/unzip_window.h"
#include "ui/archive/zip_directory_window.h"
#include "ui/archive/zip_options_window.h"
#include "ui/common/help_topic.h"
#include "ui/common/help_window.h"

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

// Restores the archive listed first, as a person would: select it, press Extract, choose the
// folder. during runs at the first moment the extraction lets events in.
void extractFirstArchive(TfrmUnZipIt& window, const QString& destination, const std::function<void()>& during = {}) {
  window.runDestinationDialog = [&window, destination, during](TfrmZipDirectory& dialog) {
    dialog.DLB->setFolder(destination);
    if (during) QTimer::singleShot(0, &window, during);
    return true;
  };
  window.show();
  window.FileListBox1->setCurrentRow(0);
  window.btExtract->click();
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
  EXPECT_TRUE(dialogs.texts().first().contains("unzip.  \n\nNote that"));
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

TEST(ZipDirectory, CreateSubFolderAsksForANameUnderALabelMakesTheFolderAndEntersIt) {
  ScriptedDialogs dialogs;
  TempTree tree;
  TfrmZipDirectory dialog(tree.path("Drive-root-A.zip"));
  ASSERT_TRUE(dialog.FormShow());
  dialog.DLB->setFolder(tree.root());
  QString caption;
  dialog.runFolderNameDialog = [&caption](TfrmGetFolderName& names) {
    EXPECT_EQ(names.windowTitle(), "Create Sub-folder");
    for (const QLabel* label : names.findChildren<QLabel*>()) {
      if (label->buddy() == names.Edit1) caption = label->text();
    }
    names.Edit1->setText("restore/here");
    return true;
  };
  dialog.Button3->click();
  EXPECT_EQ(caption, "&Name of the new folder:");
  EXPECT_TRUE(QFileInfo(tree.path("restore/here")).isDir());
  EXPECT_EQ(dialog.chosenFolder(), tree.path("restore/here"));
  EXPECT_EQ(dialog.DirLabel->text(), tree.path("restore/here"));
}

// Both folder lists: Enter and Space open the folder under the cursor; in the destination
// dialog Enter never presses OK, which would restore into the folder shown before.
TEST(FolderLists, EnterAndSpaceOpenTheFolderUnderTheCursorAndShowItsPath) {
  ScriptedDialogs dialogs;
  TempTree tree;
  tree.folder("first/inner");
  tree.folder("second");
  TfrmUnZipIt window(tree.root());
  window.show();
  TfrmZipDirectory destination(tree.path("Drive-root-A.zip"));
  ASSERT_TRUE(destination.FormShow());
  destination.show();
  destination.DLB->setFolder(tree.root());
  // The unzip window shows the folder under its drive list, the dialog in DirLabel.
  const std::pair<FolderPicker*, QLabel*> lists[] = {{window.DirectoryListBox1, window.DirectoryListBox1->lblFolder},
                                                     {destination.DLB, destination.DirLabel}};
  for (const auto& [picker, shown] : lists) {
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->text(), tree.root());
    const auto row = [picker](const QString& name) { return picker->folderList->findItems(name, Qt::MatchExactly).first(); };
    picker->folderList->setCurrentItem(row("first"));
    QTest::keyClick(picker->folderList, Qt::Key_Return);
    EXPECT_EQ(picker->folder(), tree.path("first"));
    EXPECT_EQ(shown->text(), tree.path("first"));
    picker->folderList->setCurrentItem(row("inner"));
    QTest::keyClick(picker->folderList, Qt::Key_Space);
    EXPECT_EQ(picker->folder(), tree.path("first/inner"));
    picker->folderList->setCurrentItem(row(".."));
    QTest::keyClick(picker->folderList, Qt::Key_Enter);
    EXPECT_EQ(picker->folder(), tree.path("first"));
  }
  EXPECT_TRUE(destination.isVisible());
  EXPECT_NE(destination.result(), QDialog::Accepted);
  EXPECT_TRUE(dialogs.texts(MessageStyle::Question).isEmpty());
}

TEST(UnZipIt, AnArchiveMadeWhileTheWindowIsOpenAppearsInTheList) {
  ScriptedDialogs dialogs;
  TempTree tree;
  craftArchive(tree.path("Drive-root-A.zip"), {{"a", "a"}});
  TfrmUnZipIt window(tree.root());
  window.show();
  window.FileListBox1->setCurrentRow(0);
  craftArchive(tree.path("Drive-root-B.zip"), {{"b", "b"}});
  QTRY_COMPARE(listed(window.FileListBox1), (QStringList{"Drive-root-A.zip", "Drive-root-B.zip"}));
  EXPECT_EQ(window.FileListBox1->currentItem()->text(), "Drive-root-A.zip");
  EXPECT_TRUE(window.btExtract->isEnabled());
}

TEST(UnZipIt, ExtractionRestoresTheFilesAndRefusesAClimbingEntry) {
  ScriptedDialogs dialogs;
  TempTree tree;
  craftArchive(tree.path("Drive-root-A.zip"), {{"home/ann/a.txt", "restored"}, {"../evil.txt", "bad"}});
  const QString destination = tree.folder("dest");
  TfrmUnZipIt window(tree.root());
  extractFirstArchive(window, destination);
  EXPECT_EQ(dialogs.texts(MessageStyle::Error),
            QStringList{"Cannot extract ../evil.txt from Drive-root-A.zip\nThe path leads out of the destination folder."});
  EXPECT_EQ(dialogs.texts().last(),
            "1 of 2 files were unzipped; 1 were not.\n1 refused: the path leaves the destination folder, passes a link "
            "that is not followed, or is a link.");
  QFile restored(destination + "/home/ann/a.txt");
  ASSERT_TRUE(restored.open(QIODevice::ReadOnly));
  EXPECT_EQ(restored.readAll(), "restored");
  EXPECT_FALSE(QFileInfo::exists(tree.path("evil.txt")));
}

std::vector<std::pair<QByteArray, QByteArray>> numberedEntries(const QString& folder, int count) {
  std::vector<std::pair<QByteArray, QByteArray>> entries;
  for (int i = 1; i <= count; ++i) entries.push_back({(folder + QStringLiteral("/f%1.txt").arg(i)).toUtf8(), QByteArray::number(i)});
  return entries;
}

// What the window looked like while an extraction ran.
struct LockedState {
  bool folders = true, archives = true, view = true, extract = true, close = false;
  QString closeText;
};

TEST(UnZipIt, ADoubleClickOnAnotherArchiveDuringAnExtractionChangesNothing) {
  ScriptedDialogs dialogs;
  TempTree tree;
  craftArchive(tree.path("Drive-root-A.zip"), numberedEntries("twenty", 20));
  craftArchive(tree.path("Drive-root-B.zip"), {{"other/b.txt", "b"}});
  const QString destination = tree.folder("dest");
  TfrmUnZipIt window(tree.root());
  LockedState during;
  extractFirstArchive(window, destination, [&] {
    during = {window.DirectoryListBox1->isEnabled(), window.FileListBox1->isEnabled(), window.btView->isEnabled(),
              window.btExtract->isEnabled(), window.btClose->isEnabled(), window.btClose->text()};
    QListWidgetItem* other = window.FileListBox1->item(1);
    const QPoint at = window.FileListBox1->visualItemRect(other).center();
    QTest::mouseClick(window.FileListBox1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(window.FileListBox1->viewport(), Qt::LeftButton, {}, at);
  });
  EXPECT_FALSE(during.folders);
  EXPECT_FALSE(during.archives);
  EXPECT_FALSE(during.view);
  EXPECT_FALSE(during.extract);
  EXPECT_TRUE(during.close);
  EXPECT_EQ(during.closeText, "Cancel");
  EXPECT_EQ(dialogs.texts(), QStringList{"Files were unzipped"});
  for (int i = 1; i <= 20; ++i) EXPECT_TRUE(QFileInfo::exists(destination + QStringLiteral("/twenty/f%1.txt").arg(i))) << i;
  EXPECT_FALSE(QFileInfo::exists(destination + "/other"));
  EXPECT_EQ(window.lblZip->text(), tree.path("Drive-root-A.zip"));
  EXPECT_EQ(window.FileListBox1->currentRow(), 0);
  EXPECT_EQ(window.btClose->text(), "Close");
  EXPECT_TRUE(window.FileListBox1->isEnabled());
}

TEST(UnZipIt, CancelStopsTheExtractionAndTheClosingBoxSaysWhatWasNotDone) {
  ScriptedDialogs dialogs;
  TempTree tree;
  craftArchive(tree.path("Drive-root-A.zip"), numberedEntries("twenty", 20));
  const QString destination = tree.folder("dest");
  TfrmUnZipIt window(tree.root());
  extractFirstArchive(window, destination, [&window] { window.btClose->click(); });
  EXPECT_TRUE(window.isVisible());  // Cancel stopped the run; it did not close the window
  ASSERT_EQ(dialogs.texts().size(), 1);
  EXPECT_EQ(dialogs.texts().first(), "1 of 20 files were unzipped; 19 were not.\n19 not reached: the extraction was stopped.");
  EXPECT_FALSE(QFileInfo::exists(destination + "/twenty/f2.txt"));
}

TEST(UnZipIt, ExtractingOverExistingFilesLeavesThemAndNeverSaysFilesWereUnzipped) {
  ScriptedDialogs dialogs;
  TempTree tree;
  craftArchive(tree.path("Drive-root-A.zip"), {{"keep/a.txt", "archived a"}, {"keep/b.txt", "archived b"}});
  const QString destination = tree.folder("dest");
  tree.file("dest/keep/a.txt", "newer a");
  tree.file("dest/keep/b.txt", "newer b");
  TfrmUnZipIt window(tree.root());
  extractFirstArchive(window, destination);
  const QString why = "\nA file of that name is there already, and it is never replaced.";
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), (QStringList{"Cannot extract keep/a.txt from Drive-root-A.zip" + why,
                                                             "Cannot extract keep/b.txt from Drive-root-A.zip" + why}));
  EXPECT_EQ(dialogs.texts().last(), "0 of 2 files were unzipped; 2 were not.\n2 already there: an existing file is never replaced.");
  QFile kept(destination + "/keep/a.txt");
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "newer a");
}

TEST(UnzipWindows, EveryControlIsReachedWithTabEscapeClosesAndNoTextNamesWindowsOnlyThings) {
  ScriptedDialogs dialogs;
  TempTree tree;
  craftArchive(tree.path("Drive-root-A.zip"), {{"a", "a"}});
  TfrmUnZipIt window(tree.root());
  window.show();
  TfrmZipDirectory destination(tree.path("Drive-root-A.zip"));
  ASSERT_TRUE(destination.FormShow());
  destination.show();
  TfrmGetFolderName names;
  names.show();
  for (QDialog* dialog : std::initializer_list<QDialog*>{&window, &destination, &names}) {
    SCOPED_TRACE(dialog->objectName().toStdString());
    testkit::expectKeyboardComplete(dialog);
    EXPECT_EQ(testkit::windowsOnlyWords(testkit::windowTexts(dialog)), QStringList());
    testkit::expectEscapeCloses(dialog);
  }
}

TEST(UnzipWindows, F1OpensTheUnzipTopicOfTheManual) {
  ScriptedDialogs dialogs;
  TempTree tree;
  TfrmUnZipIt window(tree.root());
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_F1);
  auto* help = window.findChild<TfrmHelp*>();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->browser()->source().fileName(), "unzip.html");
  EXPECT_TRUE(help->browser()->toPlainText().contains("Restoring the files"));
  TfrmZipDirectory destination(tree.path("Drive-root-A.zip"));
  EXPECT_EQ(helpTopicOf(&destination), "unzip.html");
}

}  // namespace
}  // namespace tessaly
