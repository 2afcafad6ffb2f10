#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include "core/archive/zip_reader.h"
#include "core/common/removal_totals.h"
#include "deletion/fake_protection_check.h"
#include "support/keyboard_checks.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "platform/xdg_paths.h"
#include "ui/archive/zip_options_window.h"
#include "ui/common/help_topic.h"
#include "ui/deletion/del_directory_window.h"

namespace tessaly {
namespace {

using testkit::FakeProtectionCheck;
using testkit::ScriptedDialogs;
using testkit::TempTree;
using testkit::TempXdg;

class DelDirectoryTest : public ::testing::Test {
 protected:
  TempXdg xdg;
  TempTree tree;
  ScriptedDialogs dialogs;
  FakeProtectionCheck check;
  HarborLists lists;
  QString zipPath = tree.folder("archives");

  std::unique_ptr<TfrmDelDirectory> open(const QString& relative) {
    FolderDeletionServices services;
    services.protection = &check;
    services.harbor = lists;
    services.defaultZipPath = &zipPath;
    auto window = std::make_unique<TfrmDelDirectory>(tree.path(relative), services);
    window->show();
    return window;
  }
  void threeFiles(const QString& folder) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) tree.file(folder + u'/' + QLatin1String(name), 100, 'x');
  }
  int filesIn(const QString& relative) const { return int(QDir(tree.path(relative)).entryList(QDir::Files).size()); }
};

TEST_F(DelDirectoryTest, TheTopLineSaysWhenTheFolderOrAFolderInsideIsProtected) {
  tree.folder("plain");
  tree.folder("system");
  tree.folder("holder/keep");
  check.protect(tree.path("system"), SystemFolderReason);
  lists.savedEntries = {tree.path("holder/keep/")};
  struct Case {
    const char* folder;
    QString top;
    bool red;
  };
  const Case cases[] = {
      {"plain", "Folder to clean: ", false},
      {"system", "This folder should not be deleted since it is " + exceptionReasonText(SystemFolderReason), true},
      {"holder", "A folder inside this one should not be deleted since it is " + exceptionReasonText(InstalledSoftwareReason), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    auto window = open(c.folder);
    EXPECT_EQ(window->windowTitle(), "Clean directory, sub-directories and all files");
    EXPECT_EQ(window->lblTop->text(), c.top);
    EXPECT_EQ(window->lblTop->styleSheet().contains("red"), c.red);
    EXPECT_EQ(window->lblDirectory->text(), tree.path(c.folder));
  }
}

TEST_F(DelDirectoryTest, DeleteFolderReportsTheRunAndCloses) {
  threeFiles("d");
  tree.folder("d/sub");
  auto window = open("d");
  window->btDelete->click();
  EXPECT_EQ(dialogs.texts(), QStringList{"Deleted 3 files for a savings of 300 bytes."});
  EXPECT_EQ(window->result(), QDialog::Accepted);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(window->recycleMode());
  EXPECT_TRUE(window->report().folderRemoved);
  EXPECT_EQ(window->pnlCount->text(), "Count");
  EXPECT_EQ(window->pnlName->text(), "Filename");
  EXPECT_FALSE(QFileInfo::exists(tree.path("d")));
  EXPECT_EQ(readRemovalTotals().deletedFiles, 3);
}

TEST_F(DelDirectoryTest, SendingToTheTrashAsksFirstAndSetsRecycleMode) {
  threeFiles("d");
  auto window = open("d");
  dialogs.answer(Answer::Yes);
  window->btRecycle->click();
  ASSERT_EQ(dialogs.texts(MessageStyle::Question).size(), 1);
  EXPECT_TRUE(dialogs.texts(MessageStyle::Question).first().endsWith("\n\nSend to the trash anyway?"));
  EXPECT_TRUE(window->recycleMode());
  EXPECT_EQ(window->result(), QDialog::Accepted);
  EXPECT_TRUE(QFileInfo(xdg.dataHome() + "/Trash/files/a.txt").isFile());
  EXPECT_EQ(readRemovalTotals().trashedFiles, 3);
}

TEST_F(DelDirectoryTest, ADeclinedQuestionOrCancelledZipOptionsLeaveTheWindowOpenAndTheFilesInPlace) {
  threeFiles("d");
  check.protect(tree.path("d"), SystemFolderReason);
  struct Case {
    const char* name;
    std::function<void(TfrmDelDirectory&)> act;
  };
  const Case cases[] = {
      {"trash question", [&](TfrmDelDirectory& w) { dialogs.answer(Answer::No); w.btRecycle->click(); }},
      {"zip options", [&](TfrmDelDirectory& w) {
         w.runZipOptions = [](TfrmZipOptions& options) { options.reject(); return false; };
         w.btZip->click();
       }},
      {"safe harbor warning", [&](TfrmDelDirectory& w) { dialogs.answer(Answer::No); w.btDelete->click(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto window = open("d");
    c.act(*window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->report().started);
    EXPECT_TRUE(window->btDelete->isEnabled());
    EXPECT_EQ(filesIn("d"), 3);
  }
  EXPECT_TRUE(dialogs.texts(MessageStyle::Information).isEmpty());
}

TEST_F(DelDirectoryTest, ZipWithoutDeletingStoresTheCommentAndKeepsTheFiles) {
  threeFiles("d");
  auto window = open("d");
  window->cbDelete->setChecked(false);
  // The dialog shows the stored archive folder (the home folder until one is stored).
  const QString chosen = tree.folder("chosen");
  window->runZipOptions = [&](TfrmZipOptions& options) {
    options.Edit1->setText(chosen);
    options.Edit2->setText("old project");
    options.accept();
    return true;
  };
  window->btZip->click();
  EXPECT_TRUE(window->zipMode());
  EXPECT_EQ(filesIn("d"), 3);
  EXPECT_EQ(zipPath, chosen);
  const QStringList archives = QDir(chosen).entryList({"Drive-root-FolderClean*.zip"}, QDir::Files);
  ASSERT_EQ(archives.size(), 1) << archives.join(' ').toStdString();
  EXPECT_EQ(dialogs.texts(), QStringList{"Zipped up 3 files\nStored in the archive \"" + chosen + u'/' + archives.first() + u'"'});
  ZipReader reader;
  ASSERT_TRUE(reader.open(chosen + u'/' + archives.first(), nullptr));
  EXPECT_EQ(reader.comment(), "old project");
  EXPECT_EQ(reader.entries().size(), 3);
}

TEST_F(DelDirectoryTest, CancelDuringARunAsksAndYesStopsItWhileNoLetsItFinish) {
  struct Case {
    const char* name;
    Answer answer;
    QDialog::DialogCode result;
    int filesLeft;
  };
  const Case cases[] = {
      {"yes", Answer::Yes, QDialog::Rejected, 4},
      {"no", Answer::No, QDialog::Accepted, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs.clear();
    const QString folder = QStringLiteral("d-") + QLatin1String(c.name);
    for (int i = 0; i < 5; ++i) tree.file(folder + QStringLiteral("/f%1.txt").arg(i), 10, 'x');
    auto window = open(folder);
    // The window's event pump lets events run once its interval has passed since it began.
    QThread::msleep(EventPump::kInterval.count() + 1);
    bool buttonsLockedDuringRun = false;
    // Runs at the first chance the run gives pending events: the user pressing Cancel.
    QMetaObject::invokeMethod(window.get(), [&] {
      buttonsLockedDuringRun = !window->btZip->isEnabled() && !window->btRecycle->isEnabled();
      window->BitBtn3->click();
    }, Qt::QueuedConnection);
    dialogs.answer(c.answer);
    window->btDelete->click();

    EXPECT_TRUE(buttonsLockedDuringRun);
    EXPECT_EQ(dialogs.texts(MessageStyle::Question), QStringList{"Really abort?  Folders may be partially deleted!"});
    EXPECT_EQ(window->result(), c.result);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(filesIn(folder), c.filesLeft);
    EXPECT_EQ(dialogs.texts(MessageStyle::Information).first().contains("(Note: Deletion operation canceled"), c.answer == Answer::Yes);
  }
}

TEST_F(DelDirectoryTest, EveryControlIsReachedByKeyboardF1HasItsTopicAndNoTextNamesWindowsThings) {
  tree.folder("d");
  auto window = open("d");
  EXPECT_EQ(helpTopicOf(window.get()), "folder-deletion.html");
  EXPECT_TRUE(QFileInfo::exists(platform::manualFolder() + "/folder-deletion.html"));
  testkit::expectKeyboardComplete(window.get());
  EXPECT_EQ(testkit::windowsOnlyWords(testkit::windowTexts(window.get())), QStringList());
  testkit::expectEscapeCloses(window.get());
}

TEST_F(DelDirectoryTest, CancelAndEscapeCloseAnIdleWindowWithCancel) {
  tree.folder("d");
  for (const bool escape : {false, true}) {
    auto window = open("d");
    if (escape) QTest::keyClick(window.get(), Qt::Key_Escape);
    else window->BitBtn3->click();
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(window->isVisible());
  }
  EXPECT_TRUE(dialogs.shown().isEmpty());
  EXPECT_TRUE(QFileInfo::exists(tree.path("d")));
}

}  // namespace
}  // namespace tessaly
