#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "core/common/removal_totals.h"
#include "core/safeharbor/safe_harbor.h"
#include "core/walk/drive_list.h"
#include "dup_window_fixture.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/deletion/really_delete_window.h"
#include "ui/dups/dup_window.h"
#include "ui/grid/marked_grid.h"
#include "ui/main/main_window.h"
#include "ui/safeharbor/no_delete_window.h"
#include "ui/scan/drive_check_list.h"

namespace tessaly {
namespace {

void click(TfrmMain& main, const char* buttonName) {
  auto* button = main.findChild<QPushButton*>(QString::fromUtf8(buttonName));
  ASSERT_NE(button, nullptr) << buttonName;
  QTest::mouseClick(button, Qt::LeftButton);
}

// From the main window to freed space: the safe harbor is built, "&Duplicate files" searches a
// folder, three files are marked, the protected one is held back and the others go to the trash.
TEST(RoadOfOneRequest, MarkedDuplicatesGoToTheTrashExceptTheProtectedCopy) {
  testkit::TempXdg xdg;
  testkit::ScriptedDialogs dialogs;
  testkit::TempTree tree;
  testkit::FakeInstalledSoftware software;
  software.values = {tree.folder("opt/acme/bin") + "/acme"};
  const QString alpha = tree.file("docs/alpha.dat", 1000, 'a');
  tree.file("backup/alpha.dat", 1000, 'a');
  const QString beta = tree.file("docs/beta.dat", 3000, 'b');
  const QString protectedBeta = tree.file("opt/acme/bin/beta.dat", 3000, 'b');
  writeAddedFolders({tree.root()});
  recordDeletions(RemovalKind::Trashed, 4, 500);
  const RemovalTotals before = readRemovalTotals();

  TfrmMain main;
  main.show();
  bool sawHarbor = false;
  dialogs.answer(Answer::Yes);  // "Tessaly will now scan ..."
  testkit::onNextModal<TfrmNoDelete>(sawHarbor, [](TfrmNoDelete& harbor) {
    harbor.btBuild->click();
    harbor.btClose->click();
  });
  click(main, "btBuild");
  ASSERT_TRUE(sawHarbor);
  int reason = 0;
  ASSERT_TRUE(safeHarbor().isInExceptionList(protectedBeta, true, &reason));

  bool sawDups = false;
  bool sawDeletion = false;
  QStringList heldBack;
  QStringList toGo;
  testkit::onNextModal<TfrmDup>(sawDups, [&](TfrmDup& dups) {
    EXPECT_TRUE(dups.findDups());
    dups.pckDrive->setAllTicked(false);
    const QList<DriveListItem> items = dups.pckDrive->items();
    for (int i = 0; i < items.size(); ++i)
      if (items[i].path == tree.root()) dups.pckDrive->item(i)->setCheckState(Qt::Checked);
    dups.num1->setValue(0);
    dups.btScan->click();
    const FileTable& table = dups.grid->table();
    ASSERT_EQ(table.rowCount(), 4);
    for (qsizetype row = 0; row < table.rowCount(); ++row) {
      if (QStringList{alpha, beta, protectedBeta}.contains(table.filePath(row))) dups.MarkThisFile(int(row));
    }
    EXPECT_EQ(dups.pnlSel->text(), "3 files 7,000 bytes");
    dialogs.answer(Answer::Yes);  // a question before the files go, should one be asked
    testkit::onNextModal<TfrmReallyDelete>(sawDeletion, [&](TfrmReallyDelete& deletion) {
      heldBack = deletion.safeHarborPanel();
      toGo = deletion.deletionPanel();
      deletion.btRecycle->click();
    });
    dups.btDelete->click();
  });
  click(main, "btDuplicate");
  ASSERT_TRUE(sawDups);
  ASSERT_TRUE(sawDeletion);
  EXPECT_EQ(heldBack, QStringList{protectedBeta});
  toGo.sort();
  EXPECT_EQ(toGo, QStringList({alpha, beta}));
  EXPECT_TRUE(dialogs.texts(MessageStyle::Error).isEmpty()) << dialogs.texts().join('\n').toStdString();

  const QString trash = xdg.dataHome() + QStringLiteral("/Trash");
  for (const QString& gone : {alpha, beta}) {
    const QString name = QFileInfo(gone).fileName();
    EXPECT_FALSE(QFileInfo::exists(gone)) << name.toStdString();
    EXPECT_TRUE(QFileInfo(trash + "/files/" + name).isFile()) << name.toStdString();
    QFile info(trash + "/info/" + name + ".trashinfo");
    ASSERT_TRUE(info.open(QIODevice::ReadOnly)) << name.toStdString();
    EXPECT_TRUE(info.readAll().contains("Path=" + QUrl::toPercentEncoding(gone, "/")));
  }
  EXPECT_TRUE(QFileInfo::exists(protectedBeta));
  EXPECT_TRUE(QFileInfo::exists(tree.path("backup/alpha.dat")));
  const RemovalTotals after = readRemovalTotals();
  EXPECT_EQ(after.trashedFiles, before.trashedFiles + 2);
  EXPECT_EQ(after.trashedBytes, before.trashedBytes + 4000);
  EXPECT_EQ(after.deletedFiles, before.deletedFiles);
}

}  // namespace
}  // namespace tessaly
