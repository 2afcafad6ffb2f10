#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/common/removal_totals.h"
#include "deletion/fake_protection_check.h"
#include "deletion/removal_fakes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/archive/zip_options_window.h"
#include "ui/deletion/really_delete_window.h"
#include "platform/directory_reader.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

using testkit::FakeProtectionCheck;
using testkit::FillingTrash;
using testkit::RefusingRemover;
using testkit::ScriptedDialogs;
using testkit::TempTree;
using testkit::TempXdg;

class ReallyDeleteTest : public ::testing::Test {
 protected:
  TempXdg xdg;
  TempTree tree;
  ScriptedDialogs dialogs;
  FakeProtectionCheck check;
  QString zipPath = tree.folder("archives");

  std::unique_ptr<TfrmReallyDelete> open(const QStringList& files, DeletionServices services = {}) {
    services.protection = &check;
    services.defaultZipPath = &zipPath;
    auto window = std::make_unique<TfrmReallyDelete>(DeletionRequest{files, 1234567, QStringLiteral("TempClean")}, services);
    window->show();
    return window;
  }
  // Answers the zip options dialog with this archive folder (and comment) and OK.
  static void chooseArchiveFolder(TfrmReallyDelete& window, const QString& folder, const QString& comment = {}) {
    window.runZipOptions = [folder, comment](TfrmZipOptions& options) {
      options.Edit1->setText(folder);
      options.Edit2->setText(comment);
      options.accept();
      return true;
    };
  }
  static void select(QListWidget* list, const QStringList& entries) {
    for (int i = 0; i < list->count(); ++i) list->item(i)->setSelected(entries.contains(list->item(i)->text()));
  }
};

TEST_F(ReallyDeleteTest, AProtectedFileLandsOnTheSafeHarborPanel) {
  const QString kept = tree.file("keep.so", "x");
  const QString gone = tree.file("gone.txt", "y");
  check.protect(kept, SystemFolderReason);
  auto window = open({kept, gone});
  EXPECT_EQ(window->deletionPanel(), QStringList{gone});
  EXPECT_EQ(window->safeHarborPanel(), QStringList{kept});
  EXPECT_EQ(window->lblDelete->text(), "Delete - 1, Do NOT delete - 1");
  EXPECT_EQ(window->lblSavings->text(), "1,234,567 bytes");
  EXPECT_EQ(window->TabbedNotebook1->currentIndex(), 0);
  EXPECT_GE(check.forgotten, 2);
}

// Asks the rules, but first lets the test act as a user clicking while the files are sorted.
class ImpatientCheck final : public ProtectionCheck {
 public:
  bool isInExceptionList(const QString& path, bool isFile, int* reason) override {
    if (duringQuestion) duringQuestion();
    return rules.isInExceptionList(path, isFile, reason);
  }
  void forgetLastChecked() override {}
  FakeProtectionCheck rules;
  std::function<void()> duringQuestion;
};

TEST_F(ReallyDeleteTest, AnActionPressedWhileTheFilesAreSortedDoesNothing) {
  const QString kept = tree.file("keep.so", "x");
  const QString other = tree.file("other.txt", "y");
  ImpatientCheck impatient;
  impatient.rules.protect(kept, SystemFolderReason);
  DeletionServices services;
  services.protection = &impatient;
  services.defaultZipPath = &zipPath;
  TfrmReallyDelete window(DeletionRequest{{kept, other}, 2, QStringLiteral("TempClean")}, services);
  impatient.duringQuestion = [&] { window.btDelete->click(); };
  dialogs.answer(Answer::Yes);
  window.show();
  EXPECT_TRUE(dialogs.shown().isEmpty());
  EXPECT_TRUE(QFileInfo::exists(kept));
  EXPECT_TRUE(QFileInfo::exists(other));
  EXPECT_EQ(window.safeHarborPanel(), QStringList{kept});
  EXPECT_TRUE(window.btDelete->isEnabled());
}

TEST_F(ReallyDeleteTest, AllProtectedShowsTheWarningAfterHalfASecondAndTheSafeHarborPage) {
  const QString a = tree.file("a.so", "x");
  check.protect(a, SystemFolderReason);
  auto window = open({a});
  EXPECT_TRUE(dialogs.shown().isEmpty());
  QTest::qWait(700);
  ASSERT_EQ(dialogs.texts(MessageStyle::Information).size(), 1);
  EXPECT_TRUE(dialogs.texts(MessageStyle::Information).first().startsWith("All files selected appear on the Safe Harbor list."));
  EXPECT_EQ(window->TabbedNotebook1->currentIndex(), 1);
  window->btDelete->click();
  EXPECT_TRUE(dialogs.texts(MessageStyle::Information).last().startsWith("There are no files on the deletion panel."));
  EXPECT_TRUE(QFileInfo::exists(a));
}

TEST_F(ReallyDeleteTest, MovingTheLastEntryEitherWaySwitchesThePageAndTheReasonSaysTheUserMovedIt) {
  const QString a = tree.file("a.txt", "x");
  auto window = open({a});
  EXPECT_FALSE(window->btToAgainst->isEnabled());
  select(window->lb1, {a});
  EXPECT_TRUE(window->btToAgainst->isEnabled());
  window->btToAgainst->click();
  EXPECT_EQ(window->safeHarborPanel(), QStringList{a});
  EXPECT_EQ(window->TabbedNotebook1->currentIndex(), 1);
  EXPECT_EQ(window->lblRight->text(), "Safe Harbor - files NOT to be deleted: 1");
  window->lb2->setCurrentRow(0);
  window->btReason->click();
  EXPECT_EQ(dialogs.texts().last(), "This file \"" + a + "\" is on the Safe Harbor List because you moved it here.");
  select(window->lb2, {a});
  window->btMoveLeft->click();
  EXPECT_EQ(window->deletionPanel(), QStringList{a});
  EXPECT_EQ(window->TabbedNotebook1->currentIndex(), 0);
  EXPECT_EQ(window->lblLeft->text(), "Deletion Panel - files to be deleted: 1");
}

TEST_F(ReallyDeleteTest, DeleteAllReportsTheFileThatStaysAndCountsOnlyWhatWent) {
  const QString a = tree.file("a.txt", 10, 'a');
  const QString stuck = tree.file("b.txt", 20, 'b');
  const QString protectedFile = tree.file("c.so", 40, 'c');
  check.protect(protectedFile, SystemFolderReason);
  RefusingRemover remover({stuck});
  DeletionServices services;
  services.remover = &remover;
  auto window = open({a, stuck, protectedFile}, services);
  dialogs.answer(Answer::Yes);
  window->btDelete->click();
  EXPECT_EQ(window->result(), QDialog::Accepted);
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Couldn't delete file - " + stuck + "\nrefused by the test"});
  EXPECT_FALSE(QFileInfo::exists(a));
  EXPECT_TRUE(QFileInfo::exists(protectedFile));
  EXPECT_EQ(readRemovalTotals().deletedFiles, 1);
  EXPECT_EQ(readRemovalTotals().deletedBytes, 10);
}

TEST_F(ReallyDeleteTest, DecliningLeavesTheWindowOpenAndCancelClosesWithoutAnAction) {
  const QString a = tree.file("a.txt", "x");
  auto window = open({a});
  dialogs.answer(Answer::No);
  window->btDelete->click();
  EXPECT_EQ(dialogs.texts().last(), "Files not deleted");
  EXPECT_TRUE(window->isVisible());
  window->btClose->click();
  EXPECT_EQ(window->result(), QDialog::Rejected);
  EXPECT_TRUE(QFileInfo::exists(a));
}

TEST_F(ReallyDeleteTest, RemovingEveryCopyOfADuplicateGroupIsAskedFirstAndNoGoesBack) {
  const QString a = tree.file("a.txt", 3, 'a');
  const QString b = tree.file("b.txt", 3, 'a');
  const QString c = tree.file("c.txt", 4, 'c');
  const QString d = tree.file("d.txt", 4, 'c');
  const std::vector<CopyGroup> groups = {{{a, 3}, {b, 3}}, {{c, 4}, {d, 4}}};
  DeletionServices services;
  services.protection = &check;
  services.defaultZipPath = &zipPath;
  TfrmReallyDelete window(DeletionRequest{{a, b, c}, 10, QStringLiteral("Duplicates"), groups}, services);
  window.show();
  struct Button {
    const char* name;
    QPushButton* button;
  };
  for (const Button& pressed : {Button{"delete", window.btDelete}, Button{"trash", window.btRecycle}, Button{"zip", window.btZip}}) {
    SCOPED_TRACE(pressed.name);
    dialogs.clear();
    dialogs.answer(Answer::No);
    pressed.button->click();
    ASSERT_EQ(dialogs.texts(MessageStyle::Warning).size(), 1);
    const QString warning = dialogs.texts(MessageStyle::Warning).first();
    EXPECT_TRUE(warning.contains(platform::displayPath(a) + " and 1 more file"));
    EXPECT_FALSE(warning.contains(platform::displayPath(c)));
    EXPECT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(window.isVisible());
  }
  EXPECT_TRUE(QFileInfo::exists(a) && QFileInfo::exists(b) && QFileInfo::exists(c));

  // Once a copy stays, nothing is asked beyond the action's own question.
  dialogs.clear();
  window.lb1->item(1)->setSelected(true);
  window.btToAgainst->click();
  dialogs.answer(Answer::Yes);
  window.btDelete->click();
  EXPECT_TRUE(dialogs.texts(MessageStyle::Warning).isEmpty());
  EXPECT_EQ(dialogs.texts(MessageStyle::Question), QStringList{"Really delete?"});
  EXPECT_FALSE(QFileInfo::exists(a));
  EXPECT_TRUE(QFileInfo::exists(b));
  EXPECT_FALSE(QFileInfo::exists(c));
}

TEST_F(ReallyDeleteTest, YesToTheLastCopyWarningGoesOnToTheAction) {
  const QString a = tree.file("a.txt", 3, 'a');
  const QString b = tree.file("b.txt", 3, 'a');
  DeletionServices services;
  services.protection = &check;
  services.defaultZipPath = &zipPath;
  TfrmReallyDelete window(DeletionRequest{{a, b}, 6, QStringLiteral("Duplicates"), {{{a, 3}, {b, 3}}}}, services);
  window.show();
  dialogs.answer(Answer::Yes);
  dialogs.answer(Answer::Yes);
  window.btDelete->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Warning).size(), 1);
  EXPECT_EQ(dialogs.texts(MessageStyle::Question), QStringList{"Really delete?"});
  EXPECT_FALSE(QFileInfo::exists(a));
  EXPECT_FALSE(QFileInfo::exists(b));
}

TEST_F(ReallyDeleteTest, ARefusingTrashStopsTheRun) {
  const QString a = tree.file("a.txt", 10, 'a');
  const QString b = tree.file("b.txt", 20, 'b');
  FillingTrash trash(0);
  DeletionServices services;
  services.trash = &trash;
  auto window = open({a, b}, services);
  dialogs.answer(Answer::Yes);
  window->btRecycle->click();
  EXPECT_TRUE(dialogs.texts(MessageStyle::Question).first().endsWith("Send to the trash anyway?"));
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"An error occurred sending files to the trash.  The trash may be full.\nfull"});
  EXPECT_TRUE(QFileInfo::exists(a));
  EXPECT_TRUE(QFileInfo::exists(b));
  EXPECT_EQ(readRemovalTotals().trashedFiles, 0);
  EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(ReallyDeleteTest, ArchivingUsesTheZipOptionsAndReportsTheFolder) {
  const QString a = tree.file("a.txt", "alpha");
  auto window = open({a});
  const QString chosen = tree.folder("chosen");
  chooseArchiveFolder(*window, chosen, "my comment");
  window->btZip->click();
  EXPECT_EQ(window->result(), QDialog::Accepted);
  EXPECT_EQ(zipPath, chosen);
  EXPECT_EQ(dialogs.texts().last(), "Files deleted and stored in archive zip files in the folder \"" + chosen + "\"");
  EXPECT_FALSE(QFileInfo::exists(a));
  const QStringList archives = QDir(chosen).entryList({"Drive-root-TempClean*.zip"}, QDir::Files);
  EXPECT_EQ(archives.size(), 1);
}

TEST_F(ReallyDeleteTest, AnArchiveRunThatArchivedNothingNeverClaimsAnArchive) {
  const QString a = tree.file("a.txt", "alpha");
  auto window = open({a});
  const QString missing = tree.path("no/such/folder");
  chooseArchiveFolder(*window, missing);
  window->btZip->click();
  EXPECT_EQ(window->result(), QDialog::Accepted);
  const QStringList errors = dialogs.texts(MessageStyle::Error);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors.first().startsWith("Couldn't zip up file - " + a + "\n")) << errors.first().toStdString();
  EXPECT_GT(errors.first().size(), ("Couldn't zip up file - " + a + "\n").size());
  for (const QString& text : dialogs.texts()) EXPECT_FALSE(text.startsWith("Files deleted and stored")) << text.toStdString();
  EXPECT_TRUE(QFileInfo::exists(a));
  EXPECT_EQ(readRemovalTotals().archivedFiles, 0);
}

TEST_F(ReallyDeleteTest, ANameThatIsNotUtf8IsShownEscapedAndOnlyItselfIsDeleted) {
  const QString latin = tree.file(platform::decodePath(QByteArray("caf\xE9.txt")), "latin");
  const QString marked = tree.file(QString::fromUtf8("caf\xEF\xBF\xBD.txt"), "marked");
  auto window = open({latin, marked});
  QStringList shown;
  for (int i = 0; i < window->lb1->count(); ++i) shown.append(window->lb1->item(i)->text());
  shown.sort();
  EXPECT_EQ(shown, (QStringList{tree.root() + "/caf\\xE9.txt", marked}));
  select(window->lb1, {marked});
  window->btToAgainst->click();
  EXPECT_EQ(window->safeHarborPanel(), QStringList{marked});
  dialogs.answer(Answer::Yes);
  window->btDelete->click();
  EXPECT_TRUE(dialogs.texts(MessageStyle::Error).isEmpty()) << dialogs.texts().join(" | ").toStdString();
  platform::EntryStatus status;
  EXPECT_FALSE(platform::pathStatus(latin, &status));
  EXPECT_TRUE(platform::pathStatus(marked, &status));
}

}  // namespace
}  // namespace tessaly
