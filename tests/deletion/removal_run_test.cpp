#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "core/archive/archive_naming.h"
#include "core/archive/zip_reader.h"
#include "core/common/removal_totals.h"
#include "core/deletion/removal_run.h"
#include "deletion/removal_fakes.h"
#include "support/access_rights.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

using testkit::FillingTrash;
using testkit::RunRecorder;
using testkit::ScriptedDialogs;
using testkit::TempTree;
using testkit::TempXdg;

const QDateTime kRunTime(QDate(1997, 9, 6), QTime(5, 33));

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList entriesOf(const QString& archivePath) {
  ZipReader reader;
  return reader.open(archivePath, nullptr) ? reader.entries() : QStringList{"<unreadable>"};
}

class Quiet final : public ExtractionObserver {
 public:
  bool reportProgress(int) override { return false; }
  bool needPassword(QString*) override { return false; }
  void entryFailed(const QString& entry, const QString&) override { failed.append(entry); }
  QStringList failed;
};

class RemovalRunTest : public ::testing::Test {
 protected:
  TempXdg xdg;  // a fresh hive: the totals start unrecorded
  TempTree tree;
  ScriptedDialogs dialogs;
  ArchiveRunOptions archiveOptions(const QString& comment = {}) {
    return {tree.folder("archives"), QStringLiteral("TempClean"), comment, kRunTime, {}};
  }
};

TEST_F(RemovalRunTest, DeletingGoesOnPastAFileThatCannotBeDeletedAndCountsOnlyWhatWent) {
  const QString a = tree.file("a.txt", 100, 'a');
  // A file in a folder without write permission cannot be deleted by its owner.
  const QString stuck = tree.file("locked/stuck.txt", 200, 'b');
  const QString c = tree.file("c.txt", 300, 'c');
  ASSERT_TRUE(QFile::setPermissions(tree.path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  RunRecorder recorder;
  RunOutcome outcome;
  {
    const testkit::PermissionBitsApply asAnOrdinaryUser;
    outcome = deletePlannedFiles(planRemovals({a, stuck, c}), systemRemover(), recorder);
  }
  QFile::setPermissions(tree.path("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Couldn't delete file - " + stuck});
  EXPECT_EQ(recorder.started, (QStringList{a, stuck, c}));
  EXPECT_FALSE(QFileInfo::exists(a));
  EXPECT_TRUE(QFileInfo::exists(stuck));
  EXPECT_FALSE(QFileInfo::exists(c));
  EXPECT_EQ(outcome.removedFiles, 2);
  const RemovalTotals totals = readRemovalTotals();
  EXPECT_EQ(totals.deletedFiles, 2);
  EXPECT_EQ(totals.deletedBytes, 400);
}

TEST_F(RemovalRunTest, AFileThatChangedAfterItWasListedIsLeftInPlace) {
  const QString grown = tree.file("grown.txt", 10, 'a');
  const auto plan = planRemovals({grown});
  tree.file("grown.txt", 5000, 'b');
  RunRecorder recorder;
  const RunOutcome outcome = deletePlannedFiles(plan, systemRemover(), recorder);
  EXPECT_EQ(contentsOf(grown).size(), 5000);
  EXPECT_EQ(outcome.removedFiles, 0);
  ASSERT_EQ(dialogs.texts(MessageStyle::Error).size(), 1);
  EXPECT_TRUE(dialogs.texts(MessageStyle::Error).first().endsWith(grown));
}

TEST_F(RemovalRunTest, TrashedFilesAppearInTheTrashWithTheirInfoFiles) {
  const QString a = tree.file("docs/a.txt", "first");
  const QString b = tree.file("docs/b.txt", "second!");
  RunRecorder recorder;
  const RunOutcome outcome = trashPlannedFiles(planRemovals({a, b}), platform::desktopTrash(), recorder);
  EXPECT_TRUE(dialogs.shown().isEmpty());
  EXPECT_EQ(outcome.removedFiles, 2);
  const QString trash = xdg.dataHome() + "/Trash";
  for (const QString& original : {a, b}) {
    const QString name = QFileInfo(original).fileName();
    EXPECT_FALSE(QFileInfo::exists(original));
    EXPECT_TRUE(QFileInfo(trash + "/files/" + name).isFile()) << name.toStdString();
    const QByteArray info = contentsOf(trash + "/info/" + name + ".trashinfo");
    EXPECT_TRUE(info.startsWith("[Trash Info]")) << info.constData();
    EXPECT_TRUE(info.contains("Path=" + QUrl::toPercentEncoding(original, "/"))) << info.constData();
  }
  EXPECT_EQ(contentsOf(trash + "/files/b.txt"), "second!");
  const RemovalTotals totals = readRemovalTotals();
  EXPECT_EQ(totals.trashedFiles, 2);
  EXPECT_EQ(totals.trashedBytes, 12);
  EXPECT_EQ(totals.deletedFiles, -1);
}

TEST_F(RemovalRunTest, ARefusingTrashStopsTheRunAndWhatStayedIsNotCounted) {
  const QString a = tree.file("a.txt", 100, 'a');
  const QString b = tree.file("b.txt", 200, 'b');
  const QString c = tree.file("c.txt", 300, 'c');
  FillingTrash trash(1);
  RunRecorder recorder;
  const RunOutcome outcome = trashPlannedFiles(planRemovals({a, b, c}), trash, recorder);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"An error occurred sending files to the trash.  The trash may be full."});
  EXPECT_EQ(recorder.started, (QStringList{a, b}));
  EXPECT_TRUE(QFileInfo::exists(b));
  EXPECT_TRUE(QFileInfo::exists(c));
  const RemovalTotals totals = readRemovalTotals();
  EXPECT_EQ(totals.trashedFiles, 1);
  EXPECT_EQ(totals.trashedBytes, 100);
}

TEST_F(RemovalRunTest, TwoArchiveRunsInTheSameMinuteAddToOneArchiveWithTheComment) {
  const QString a = tree.file("one/a.txt", "alpha");
  const QString b = tree.file("two/b.txt", "beta");
  RunRecorder first, second;
  archivePlannedFiles(planRemovals({a}), archiveOptions("first run"), systemRemover(), first);
  archivePlannedFiles(planRemovals({b}), archiveOptions("same minute"), systemRemover(), second);
  const QString archivePath = tree.path("archives/Drive-root-TempClean06Sep970533.zip");
  EXPECT_EQ(QDir(tree.path("archives")).entryList(QDir::Files), QStringList{"Drive-root-TempClean06Sep970533.zip"});
  EXPECT_EQ(entriesOf(archivePath), (QStringList{archiveEntryName(a), archiveEntryName(b)}));
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePath, nullptr));
  EXPECT_EQ(reader.comment(), "same minute");
  EXPECT_FALSE(QFileInfo::exists(a));
  EXPECT_FALSE(QFileInfo::exists(b));
  EXPECT_EQ(readRemovalTotals().archivedFiles, 2);
  EXPECT_EQ(readRemovalTotals().archivedBytes, 9);
}

TEST_F(RemovalRunTest, AnAbortHalfWayLeavesEveryDeletedFileInAReadableArchive) {
  QStringList files;
  for (int i = 0; i < 9; ++i) files.append(tree.file(QStringLiteral("many/f%1.txt").arg(i), QByteArray(1000 + i, char('a' + i))));
  ArchiveRunOptions options = archiveOptions();
  options.batch.files = 2;
  RunRecorder recorder(5);
  const RunOutcome outcome = archivePlannedFiles(planRemovals(files), options, systemRemover(), recorder);
  EXPECT_TRUE(outcome.stopped);
  QStringList gone, kept;
  for (const QString& f : files) (QFileInfo::exists(f) ? kept : gone).append(f);
  EXPECT_EQ(gone.size(), 4);
  EXPECT_EQ(outcome.removedFiles, 4);
  const QString archivePath = archivePathFor(options);
  const QStringList entries = entriesOf(archivePath);
  TempTree restored;
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePath, nullptr));
  Quiet quiet;
  reader.extractAll(restored.root(), quiet);
  for (const QString& f : gone) {
    EXPECT_TRUE(entries.contains(archiveEntryName(f))) << f.toStdString();
    EXPECT_EQ(contentsOf(restored.root() + f).size(), 1000 + files.indexOf(f));
  }
  EXPECT_EQ(readRemovalTotals().archivedFiles, 4);
}

TEST_F(RemovalRunTest, AFileThatCannotBeReadStaysWhereItIsAndIsReported) {
  const QString good = tree.file("good.txt", "fine");
  // Reading this pseudo file fails even for root: address 0 is never mapped.
  const QString unreadable = QStringLiteral("/proc/self/mem");
  RunRecorder recorder;
  const RunOutcome outcome = archivePlannedFiles(planRemovals({unreadable, good}), archiveOptions(), systemRemover(), recorder);
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Couldn't zip up file - " + unreadable});
  EXPECT_TRUE(QFileInfo::exists(unreadable));
  EXPECT_FALSE(QFileInfo::exists(good));
  EXPECT_EQ(outcome.removedFiles, 1);
}

TEST_F(RemovalRunTest, ArchivedFilesComeBackWithTheSameBytesAtTheSamePaths) {
  const QString a = tree.file("top.txt", "top level");
  const QString b = tree.file("x/mid.bin", QByteArray(70000, 'm'));
  const QString c = tree.file("x/y/z/deep.txt", "deep down");
  const QList<QByteArray> before{contentsOf(a), contentsOf(b), contentsOf(c)};
  RunRecorder recorder;
  const ArchiveRunOptions options = archiveOptions();
  ASSERT_EQ(archivePlannedFiles(planRemovals({a, b, c}), options, systemRemover(), recorder).removedFiles, 3);
  for (const QString& f : {a, b, c}) EXPECT_FALSE(QFileInfo::exists(f));

  TempTree root;  // stands in for "/"
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePathFor(options), nullptr));
  Quiet quiet;
  EXPECT_EQ(reader.extractAll(root.root(), quiet), 3);
  EXPECT_TRUE(quiet.failed.isEmpty());
  EXPECT_EQ(contentsOf(root.root() + a), before[0]);
  EXPECT_EQ(contentsOf(root.root() + b), before[1]);
  EXPECT_EQ(contentsOf(root.root() + c), before[2]);
}

}  // namespace
}  // namespace tessaly
