#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <algorithm>

#include "archive/zip_test_helpers.h"
#include "core/archive/archive_naming.h"
#include "core/archive/zip_reader.h"
#include "core/archive/zip_writer.h"
#include "platform/host_files.h"
#include "platform/host_path.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

using testkit::TempTree;

class AbortAtOnce final : public ArchiveProgress {
 public:
  bool reportProgress(int) override { return true; }
};

QByteArray randomBytes(int size) {
  QByteArray data(size, '\0');
  QRandomGenerator generator(7);
  for (char& c : data) c = char(generator.bounded(256));
  return data;
}

QStringList entriesOf(const QString& archivePath) {
  ZipReader reader;
  return reader.open(archivePath, nullptr) ? reader.entries() : QStringList{"<unreadable>"};
}

TEST(ZipWriter, SavesEachFileUnderItsPathWithTheCommentAndChecksItBeforeReportingIt) {
  TempTree tree;
  const QString a = tree.file("docs/a.txt", "alpha");
  const QString b = tree.file("docs/deep/b.txt", "beta");
  const QString archivePath = tree.path("Drive-root-X.zip");
  ZipWriter writer(archivePath, "kept for later");
  QString reason;
  ASSERT_EQ(writer.add(a, &reason), AddResult::Queued);
  ASSERT_EQ(writer.add(b, &reason), AddResult::Queued);
  const CommitResult saved = writer.commit(nullptr);
  EXPECT_EQ(saved.archived, (QStringList{a, b}));
  EXPECT_TRUE(saved.failed.isEmpty());
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePath, nullptr));
  EXPECT_EQ(reader.entries(), (QStringList{archiveEntryName(a), archiveEntryName(b)}));
  EXPECT_EQ(reader.comment(), "kept for later");
}

TEST(ZipWriter, StoresWhatDeflateCannotShrinkAndDeflatesTheRest) {
  TempTree tree;
  const QString text = tree.file("text.txt", QByteArray(100000, 'a'));
  const QString noise = tree.file("noise.bin", randomBytes(100000));
  const QString archivePath = tree.path("Drive-root-X.zip");
  ZipWriter writer(archivePath, {});
  QString reason;
  writer.add(text, &reason);
  writer.add(noise, &reason);
  ASSERT_EQ(writer.commit(nullptr).archived.size(), 2);
  EXPECT_EQ(storedMethod(archivePath, archiveEntryName(text).toUtf8()), ZIP_CM_DEFLATE);
  EXPECT_EQ(storedMethod(archivePath, archiveEntryName(noise).toUtf8()), ZIP_CM_STORE);
}

TEST(ZipWriter, AFileThatCannotBeReadIsRefusedWithTheReason) {
  TempTree tree;
  // Reading this pseudo file fails even for root: address 0 is never mapped.
  ZipWriter writer(tree.path("Drive-root-X.zip"), {});
  QString reason;
  EXPECT_EQ(writer.add(QStringLiteral("/proc/self/mem"), &reason), AddResult::Refused);
  EXPECT_FALSE(reason.isEmpty());
  EXPECT_EQ(writer.pendingCount(), 0);
}

TEST(ZipWriter, AFileChangedBeforeTheSaveIsLeftOutAndTheRestOfTheBatchIsSaved) {
  TempTree tree;
  const QString good = tree.file("good.txt", "fine");
  const QString changing = tree.file("changing.bin", randomBytes(200000));
  const QString archivePath = tree.path("Drive-root-X.zip");
  ZipWriter writer(archivePath, {});
  QString reason;
  ASSERT_EQ(writer.add(changing, &reason), AddResult::Queued);
  ASSERT_EQ(writer.add(good, &reason), AddResult::Queued);
  tree.file("changing.bin", randomBytes(200000).replace(0, 5, "other"));
  const CommitResult saved = writer.commit(nullptr);
  EXPECT_EQ(saved.archived, QStringList{good});
  ASSERT_EQ(saved.failed.size(), 1);
  EXPECT_EQ(saved.failed.first().path, changing);
  EXPECT_EQ(entriesOf(archivePath), QStringList{archiveEntryName(good)});
}

TEST(ZipWriter, NeverReplacesAnEntryThatAnEarlierRunSaved) {
  TempTree tree;
  const QString file = tree.file("same.txt", "first");
  const QString archivePath = tree.path("Drive-root-X.zip");
  QString reason;
  {
    ZipWriter first(archivePath, {});
    first.add(file, &reason);
    ASSERT_EQ(first.commit(nullptr).archived.size(), 1);
  }
  tree.file("same.txt", "second, longer");
  ZipWriter second(archivePath, {});
  second.add(file, &reason);
  const CommitResult saved = second.commit(nullptr);
  EXPECT_TRUE(saved.archived.isEmpty());
  ASSERT_EQ(saved.failed.size(), 1);

  TempTree out;
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePath, nullptr));
  QuietExtraction quiet;
  reader.extractAll(out.root(), quiet);
  QFile restored(out.root() + file);
  ASSERT_TRUE(restored.open(QIODevice::ReadOnly));
  EXPECT_EQ(restored.readAll(), "first");
}

TEST(ZipWriter, AnAbortedSaveLeavesTheEarlierArchiveAsItWas) {
  TempTree tree;
  const QString kept = tree.file("kept.txt", "saved before");
  const QString late = tree.file("late.bin", randomBytes(1 << 20));
  const QString archivePath = tree.path("Drive-root-X.zip");
  QString reason;
  ZipWriter writer(archivePath, {});
  writer.add(kept, &reason);
  ASSERT_EQ(writer.commit(nullptr).archived.size(), 1);
  writer.add(late, &reason);
  AbortAtOnce abort;
  const CommitResult saved = writer.commit(&abort);
  EXPECT_TRUE(saved.archived.isEmpty());
  EXPECT_EQ(saved.abandoned, QStringList{late});
  EXPECT_EQ(entriesOf(archivePath), QStringList{archiveEntryName(kept)});
}

TEST(ZipWriter, ALinkOrAFolderIsNotQueued) {
  TempTree tree;
  const QString target = tree.file("target.txt", "x");
  QFile::link(target, tree.path("link.txt"));
  ZipWriter writer(tree.path("Drive-root-X.zip"), {});
  QString reason;
  EXPECT_EQ(writer.add(tree.path("link.txt"), &reason), AddResult::Refused);
  EXPECT_EQ(writer.add(tree.folder("folder"), &reason), AddResult::Refused);
  EXPECT_EQ(writer.pendingCount(), 0);
}

// Records the percentages told while a file is read; answers abort from a given one on.
class GaugeRecorder final : public ArchiveProgress {
 public:
  explicit GaugeRecorder(int abortAt = 101) : abortAt_(abortAt) {}
  bool reportProgress(int percent) override {
    percents.append(percent);
    return percent >= abortAt_;
  }
  QList<int> percents;

 private:
  int abortAt_;
};

TEST(ZipWriter, TellsThePercentageOfTheFileBeingCompressedAndStopsItWhenAsked) {
  TempTree tree;
  const QString big = tree.file("big.txt", QByteArray(8 << 20, 'b'));
  ZipWriter writer(tree.path("Drive-root-X.zip"), {});
  QString reason;
  GaugeRecorder whole;
  ASSERT_EQ(writer.add(big, &reason, &whole), AddResult::Queued);
  EXPECT_EQ(whole.percents.first(), 0);
  EXPECT_EQ(whole.percents.last(), 100);
  EXPECT_GT(whole.percents.size(), 10);
  EXPECT_TRUE(std::is_sorted(whole.percents.begin(), whole.percents.end()));

  GaugeRecorder stopped(30);
  EXPECT_EQ(writer.add(big, &reason, &stopped), AddResult::Aborted);
  // Stopped at the first report of 30 percent or more, part-way through the file.
  ASSERT_GE(stopped.percents.size(), 2);
  EXPECT_GE(stopped.percents.last(), 30);
  EXPECT_LT(stopped.percents.last(), 100);
  EXPECT_LT(stopped.percents[stopped.percents.size() - 2], 30);
  EXPECT_EQ(writer.pendingCount(), 1);  // the aborted file is not queued
}

TEST(ZipWriter, KeepsItsSpoolBesideTheArchiveNotInTheTemporaryFolder) {
  TempTree tree;
  const QString text = tree.file("text.txt", QByteArray(100000, 'a'));
  const QByteArray savedTemp = qgetenv("TMPDIR");
  qputenv("TMPDIR", QFile::encodeName(tree.path("no-such-folder")));
  ZipWriter writer(tree.path("Drive-root-X.zip"), {});
  QString reason;
  const AddResult added = writer.add(text, &reason);
  const CommitResult saved = writer.commit(nullptr);
  qputenv("TMPDIR", savedTemp);
  ASSERT_EQ(added, AddResult::Queued) << reason.toStdString();
  EXPECT_EQ(saved.archived, QStringList{text});
  EXPECT_EQ(storedMethod(tree.path("Drive-root-X.zip"), archiveEntryName(text).toUtf8()), ZIP_CM_DEFLATE);
}

TEST(ZipWriter, ANameThatIsNotUtf8IsStoredAsItsBytesAndComesBackAsItself) {
  TempTree tree;
  const QString latin = tree.file(platform::decodePath(QByteArray("caf\xE9.txt")), "latin");
  const QString marked = tree.file(QString::fromUtf8("caf\xEF\xBF\xBD.txt"), "marked");
  const QString archivePath = tree.path("Drive-root-X.zip");
  ZipWriter writer(archivePath, {});
  QString reason;
  ASSERT_EQ(writer.add(latin, &reason), AddResult::Queued) << reason.toStdString();
  ASSERT_EQ(writer.add(marked, &reason), AddResult::Queued) << reason.toStdString();
  ASSERT_EQ(writer.commit(nullptr).archived, (QStringList{latin, marked}));
  EXPECT_TRUE(holdsRawName(archivePath, platform::encodePath(archiveEntryName(latin))));
  EXPECT_FALSE(holdsRawName(archivePath, archiveEntryName(latin).toUtf8()));
  EXPECT_EQ(entriesOf(archivePath), (QStringList{archiveEntryName(latin), archiveEntryName(marked)}));

  TempTree out;
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePath, nullptr));
  QuietExtraction quiet;
  ASSERT_TRUE(reader.extractAll(out.root(), quiet).complete());
  QFile restored;
  ASSERT_TRUE(platform::openForReading(out.root() + latin, &restored, nullptr));
  EXPECT_EQ(restored.readAll(), "latin");
}

}  // namespace
}  // namespace tessaly
