#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QUrl>

#include "archive/zip_test_helpers.h"
#include "core/archive/archive_naming.h"
#include "core/archive/zip_reader.h"
#include "core/common/removal_totals.h"
#include "core/deletion/removal_run.h"
#include "deletion/removal_fakes.h"
#include "support/access_rights.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "support/test_mounts.h"
#include "platform/directory_reader.h"
#include "platform/host_files.h"
#include "platform/host_path.h"

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
  // The box keeps its text; the system's reason follows on a second line.
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Couldn't delete file - " + stuck + "\n" + platform::systemErrorText(EACCES)});
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
  EXPECT_EQ(totals.deletedFiles, 0);  // every counter is written, those with nothing added too
}

TEST_F(RemovalRunTest, ARefusingTrashStopsTheRunAndWhatStayedIsNotCounted) {
  const QString a = tree.file("a.txt", 100, 'a');
  const QString b = tree.file("b.txt", 200, 'b');
  const QString c = tree.file("c.txt", 300, 'c');
  FillingTrash trash(1);
  RunRecorder recorder;
  const RunOutcome outcome = trashPlannedFiles(planRemovals({a, b, c}), trash, recorder);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_EQ(dialogs.texts(MessageStyle::Error),
            QStringList{"An error occurred sending files to the trash.  The trash may be full.\nfull"});
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
  QuietExtraction quiet;
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
  ASSERT_EQ(dialogs.texts(MessageStyle::Error).size(), 1);
  const QStringList lines = dialogs.texts(MessageStyle::Error).first().split(u'\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], "Couldn't zip up file - " + unreadable);
  EXPECT_FALSE(lines[1].isEmpty());
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
  QuietExtraction quiet;
  EXPECT_EQ(reader.extractAll(root.root(), quiet).extracted, 3);
  EXPECT_TRUE(quiet.failed.isEmpty());
  EXPECT_EQ(contentsOf(root.root() + a), before[0]);
  EXPECT_EQ(contentsOf(root.root() + b), before[1]);
  EXPECT_EQ(contentsOf(root.root() + c), before[2]);
}

TEST_F(RemovalRunTest, CancelStopsTheCompressionOfALargeFilePartWayAndTheEarlierFilesStaySafe) {
  const QString first = tree.file("a/first.txt", "first");
  const QString second = tree.file("a/second.txt", "second");
  const QString big = tree.path("a/big.bin");
  {
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(1LL << 30));  // 1 GB, sparse: nothing of it is written
  }
  RunRecorder recorder;
  recorder.cancelDuring(big, 5);  // Cancel once the gauge of the large file shows 5 percent
  const ArchiveRunOptions options = archiveOptions();
  const RunOutcome outcome = archivePlannedFiles(planRemovals({first, second, big}), options, systemRemover(), recorder);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_EQ(outcome.removedFiles, 0);
  // The gauge moved through the large file and stopped part-way.
  EXPECT_EQ(recorder.started.last(), big);
  EXPECT_EQ(recorder.percents.last(), 5);
  EXPECT_EQ(contentsOf(first), "first");
  EXPECT_EQ(contentsOf(second), "second");
  EXPECT_EQ(QFileInfo(big).size(), 1LL << 30);
  EXPECT_FALSE(QFileInfo::exists(archivePathFor(options)));
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(RemovalRunTest, OnANearlyFullArchiveDiskWhatFitsIsArchivedAndDeletedAndTheRestStaysWithTheReason) {
  const QString archives = tree.folder("archives");
  const testkit::TestMount small = testkit::TestMount::tmpfs(archives, 256 * 1024);
  if (!small.mounted()) GTEST_SKIP() << small.skipReason().toStdString();
  QStringList files;
  // Noise does not deflate, so each file takes its own size in the archive.
  for (int i = 0; i < 6; ++i) {
    QByteArray noise(60 * 1024, '\0');
    QRandomGenerator generator{quint32(i)};
    for (char& c : noise) c = char(generator.bounded(256));
    files.append(tree.file(QStringLiteral("data/f%1.bin").arg(i), noise));
  }
  QList<QByteArray> before;
  for (const QString& f : files) before.append(contentsOf(f));
  RunRecorder recorder;
  const ArchiveRunOptions options = archiveOptions();
  const RunOutcome outcome = archivePlannedFiles(planRemovals(files), options, systemRemover(), recorder);

  QStringList gone, kept;
  for (const QString& f : files) (QFileInfo::exists(f) ? kept : gone).append(f);
  EXPECT_GT(gone.size(), 0);
  EXPECT_GT(kept.size(), 0);
  EXPECT_EQ(outcome.removedFiles, gone.size());
  const QStringList errors = dialogs.texts(MessageStyle::Error);
  ASSERT_EQ(errors.size(), kept.size());
  for (qsizetype i = 0; i < kept.size(); ++i)
    EXPECT_EQ(errors[i], "Couldn't zip up file - " + kept[i] + "\n" + platform::systemErrorText(ENOSPC));
  // Every file that is gone can be restored whole.
  TempTree restored;
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePathFor(options), nullptr));
  EXPECT_EQ(reader.entries().size(), gone.size());
  QuietExtraction quiet;
  EXPECT_TRUE(reader.extractAll(restored.root(), quiet).complete());
  for (const QString& f : gone) EXPECT_EQ(contentsOf(restored.root() + f), before[files.indexOf(f)]) << f.toStdString();
  EXPECT_EQ(readRemovalTotals().archivedFiles, gone.size());
}

TEST_F(RemovalRunTest, ANameThatIsNotUtf8AndTheNameWithTheReplacementMarkAreEachHandledAsThemselves) {
  const QString latin = tree.file(platform::decodePath(QByteArray("names/caf\xE9.txt")), "latin");
  const QString marked = tree.file(QString::fromUtf8("names/caf\xEF\xBF\xBD.txt"), "marked");
  const auto exists = [](const QString& path) {
    platform::EntryStatus status;
    return platform::pathStatus(path, &status);
  };
  RunRecorder recorder;
  const ArchiveRunOptions options = archiveOptions();
  ASSERT_EQ(archivePlannedFiles(planRemovals({latin}), options, systemRemover(), recorder).removedFiles, 1)
      << dialogs.texts().join(" | ").toStdString();
  EXPECT_FALSE(exists(latin));
  EXPECT_EQ(contentsOf(marked), "marked");
  EXPECT_EQ(entriesOf(archivePathFor(options)), QStringList{archiveEntryName(latin)});

  // Restored into the tree's root, as into "/": the file is back where it was.
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePathFor(options), nullptr));
  QuietExtraction quiet;
  TempTree root;
  ASSERT_TRUE(reader.extractAll(root.root(), quiet).complete());
  QFile restored;
  ASSERT_TRUE(platform::openForReading(root.root() + latin, &restored, nullptr));
  EXPECT_EQ(restored.readAll(), "latin");

  ASSERT_EQ(deletePlannedFiles(planRemovals({marked}), systemRemover(), recorder).removedFiles, 1);
  EXPECT_FALSE(exists(marked));
  const QString again = tree.file(platform::decodePath(QByteArray("names/caf\xE9.txt")), "latin again");
  ASSERT_EQ(trashPlannedFiles(planRemovals({again}), platform::desktopTrash(), recorder).removedFiles, 1);
  EXPECT_FALSE(exists(again));
  EXPECT_TRUE(exists(xdg.dataHome() + platform::decodePath(QByteArray("/Trash/files/caf\xE9.txt"))));
  EXPECT_TRUE(dialogs.shown().isEmpty()) << dialogs.texts().join(" | ").toStdString();
}

}  // namespace
}  // namespace tessaly
