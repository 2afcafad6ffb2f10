#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>

#include "archive/zip_test_helpers.h"
#include "core/archive/archive_naming.h"
#include "core/archive/zip_reader.h"
#include "core/archive/zip_writer.h"
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
  ASSERT_TRUE(writer.add(a, &reason));
  ASSERT_TRUE(writer.add(b, &reason));
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
  EXPECT_FALSE(writer.add(QStringLiteral("/proc/self/mem"), &reason));
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
  ASSERT_TRUE(writer.add(changing, &reason));
  ASSERT_TRUE(writer.add(good, &reason));
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
  struct Quiet final : ExtractionObserver {
    bool reportProgress(int) override { return false; }
    bool needPassword(QString*) override { return false; }
    void entryFailed(const QString&, const QString&) override {}
  } quiet;
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
  EXPECT_FALSE(writer.add(tree.path("link.txt"), &reason));
  EXPECT_FALSE(writer.add(tree.folder("folder"), &reason));
  EXPECT_EQ(writer.pendingCount(), 0);
}

}  // namespace
}  // namespace tessaly
