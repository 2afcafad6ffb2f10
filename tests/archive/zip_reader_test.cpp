#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "archive/zip_test_helpers.h"
#include "core/archive/zip_reader.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

using testkit::TempTree;

// Records what extraction reports and answers password questions from a list.
class RecordingObserver final : public ExtractionObserver {
 public:
  bool reportProgress(int percent) override {
    lastPercent = percent;
    return false;
  }
  bool needPassword(QString* password) override {
    ++passwordQuestions;
    if (passwords.isEmpty()) return false;
    *password = passwords.takeFirst();
    return true;
  }
  void entryFailed(const QString& entryName, const QString& engineText) override {
    failed.append(entryName);
    engineTexts.append(engineText);
  }
  QStringList passwords, failed, engineTexts;
  int passwordQuestions = 0;
  int lastPercent = -1;
};

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(ExtractionTarget, KeepsEveryEntryInsideTheDestination) {
  struct Case {
    QString entry, expected;
  } cases[] = {
      {"home/ann/a.txt", "/dest/home/ann/a.txt"},
      {"/home/ann/a.txt", "/dest/home/ann/a.txt"},
      {"home/./ann//a.txt", "/dest/home/ann/a.txt"},
      {"//etc/passwd", ""},
      {"../outside.txt", ""},
      {"home/../../outside.txt", ""},
      {"home/..", ""},
      {".", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(extractionTarget("/dest", c.entry), c.expected) << c.entry.toStdString();
  // Into "/" every file goes back to the path it was archived from.
  EXPECT_EQ(extractionTarget("/", "home/ann/a.txt"), "/home/ann/a.txt");
}

TEST(ZipReader, RefusesClimbingEntriesAndExtractsTheRest) {
  TempTree tree;
  const QString archivePath = tree.path("crafted.zip");
  ASSERT_TRUE(craftArchive(archivePath, {{"../escaped.txt", "bad"}, {"inside/ok.txt", "good"}, {"a/../../b.txt", "bad"}}));
  const QString destination = tree.folder("dest");
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePath, nullptr));
  RecordingObserver observer;
  EXPECT_EQ(reader.extractAll(destination, observer), 1);
  EXPECT_EQ(observer.failed, (QStringList{"../escaped.txt", "a/../../b.txt"}));
  EXPECT_FALSE(QFileInfo::exists(tree.path("escaped.txt")));
  EXPECT_FALSE(QFileInfo::exists(tree.path("b.txt")));
  EXPECT_EQ(contentsOf(destination + "/inside/ok.txt"), "good");
  EXPECT_EQ(observer.lastPercent, 100);
  EXPECT_EQ(QDir(tree.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"crafted.zip", "dest"}));
}

TEST(ZipReader, NeverFollowsALinkInTheDestinationOutOfIt) {
  TempTree tree;
  const QString outside = tree.folder("outside");
  const QString destination = tree.folder("dest");
  ASSERT_TRUE(QFile::link(outside, destination + "/home"));
  ASSERT_TRUE(QFile::link(outside + "/victim.txt", destination + "/planted.txt"));
  const QString archivePath = tree.path("a.zip");
  ASSERT_TRUE(craftArchive(archivePath, {{"home/ann/a.txt", "through the link"}, {"planted.txt", "through a file link"}}));
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePath, nullptr));
  RecordingObserver observer;
  EXPECT_EQ(reader.extractAll(destination, observer), 0);
  EXPECT_EQ(observer.failed.size(), 2);
  EXPECT_TRUE(QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(ZipReader, LeavesAnExistingFileAsItIsAndReportsTheEntry) {
  TempTree tree;
  const QString destination = tree.folder("dest");
  tree.file("dest/note.txt", "newer work");
  const QString archivePath = tree.path("a.zip");
  ASSERT_TRUE(craftArchive(archivePath, {{"note.txt", "archived"}}));
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePath, nullptr));
  RecordingObserver observer;
  reader.extractAll(destination, observer);
  EXPECT_EQ(observer.failed, QStringList{"note.txt"});
  EXPECT_EQ(contentsOf(destination + "/note.txt"), "newer work");
}

TEST(ZipReader, AsksForThePasswordOfAnEncryptedEntry) {
  TempTree tree;
  const QString archivePath = tree.path("locked.zip");
  ASSERT_TRUE(craftArchive(archivePath, {{"secret.txt", "hidden"}, {"more.txt", "also"}}, "sesame"));
  {
    ZipReader reader;
    ASSERT_TRUE(reader.open(archivePath, nullptr));
    RecordingObserver observer;
    observer.passwords = {"sesame"};
    EXPECT_EQ(reader.extractAll(tree.folder("right"), observer), 2);
    EXPECT_EQ(observer.passwordQuestions, 1);
    EXPECT_EQ(contentsOf(tree.path("right/secret.txt")), "hidden");
  }
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePath, nullptr));
  RecordingObserver refused;
  EXPECT_EQ(reader.extractAll(tree.folder("none"), refused), 0);
  EXPECT_EQ(refused.failed, (QStringList{"secret.txt", "more.txt"}));
  EXPECT_FALSE(refused.engineTexts.first().isEmpty());
  EXPECT_FALSE(QFileInfo::exists(tree.path("none/secret.txt")));
}

TEST(ZipReader, ADamagedFileDoesNotReplaceTheOpenArchive) {
  TempTree tree;
  const QString good = tree.path("good.zip");
  ASSERT_TRUE(craftArchive(good, {{"a.txt", "a"}}));
  const QString damaged = tree.file("damaged.zip", "PK\x03\x04 this is not an archive");
  ZipReader reader;
  ASSERT_TRUE(reader.open(good, nullptr));
  QString reason;
  EXPECT_FALSE(reader.open(damaged, &reason));
  EXPECT_FALSE(reason.isEmpty());
  EXPECT_EQ(reader.archivePath(), good);
  EXPECT_EQ(reader.entries(), QStringList{"a.txt"});
}

}  // namespace
}  // namespace tessaly
