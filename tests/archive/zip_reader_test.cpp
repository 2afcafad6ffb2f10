#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include "archive/zip_test_helpers.h"
#include "core/archive/zip_reader.h"
#include "core/archive/zip_writer.h"
#include "platform/host_path.h"
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
  void entryFailed(const EntryFailure& failure) override {
    failed.append(failure.entryName);
    reasons.append(failure.reason);
    engineTexts.append(failure.engineText);
  }
  QStringList passwords, failed, reasons, engineTexts;
  int passwordQuestions = 0;
  int lastPercent = -1;
};

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Opens the archive and extracts all of it; a summary of nothing when it cannot be opened.
ExtractionSummary extract(const QString& archivePath, const QString& destination, ExtractionObserver& observer) {
  ZipReader reader;
  if (!reader.open(archivePath, nullptr)) {
    ADD_FAILURE() << "cannot open " << archivePath.toStdString();
    return {};
  }
  return reader.extractAll(destination, observer);
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
  RecordingObserver observer;
  const ExtractionSummary summary = extract(archivePath, destination, observer);
  EXPECT_EQ(summary.extracted, 1);
  EXPECT_EQ(summary.refused, 2);
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
  RecordingObserver observer;
  EXPECT_EQ(extract(archivePath, destination, observer).extracted, 0);
  EXPECT_EQ(observer.failed.size(), 2);
  EXPECT_TRUE(QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(ZipReader, LeavesAnExistingFileAsItIsAndReportsTheEntry) {
  TempTree tree;
  const QString destination = tree.folder("dest");
  tree.file("dest/note.txt", "newer work");
  const QString archivePath = tree.path("a.zip");
  ASSERT_TRUE(craftArchive(archivePath, {{"note.txt", "archived"}}));
  RecordingObserver observer;
  const ExtractionSummary summary = extract(archivePath, destination, observer);
  EXPECT_EQ(observer.failed, QStringList{"note.txt"});
  EXPECT_EQ(summary.existing, 1);
  EXPECT_FALSE(summary.complete());
  EXPECT_EQ(contentsOf(destination + "/note.txt"), "newer work");
}

TEST(ZipReader, AsksForThePasswordOfAnEncryptedEntry) {
  TempTree tree;
  const QString archivePath = tree.path("locked.zip");
  ASSERT_TRUE(craftArchive(archivePath, {{"secret.txt", "hidden"}, {"more.txt", "also"}}, "sesame"));
  RecordingObserver observer;
  observer.passwords = {"sesame"};
  EXPECT_EQ(extract(archivePath, tree.folder("right"), observer).extracted, 2);
  EXPECT_EQ(observer.passwordQuestions, 1);
  EXPECT_EQ(contentsOf(tree.path("right/secret.txt")), "hidden");
  RecordingObserver refused;
  EXPECT_EQ(extract(archivePath, tree.folder("none"), refused).failed, 2);
  EXPECT_EQ(refused.failed, (QStringList{"secret.txt", "more.txt"}));
  EXPECT_FALSE(refused.engineTexts.first().isEmpty());
  EXPECT_FALSE(QFileInfo::exists(tree.path("none/secret.txt")));
}

struct stat statOf(const QString& path) {
  struct stat st {};
  ::lstat(platform::encodePath(path).constData(), &st);
  return st;
}

TEST(ZipReader, RestoresTheModificationTimeAndThePermissionBitsOfEveryFile) {
  TempTree tree;
  struct Case {
    QString relative;
    mode_t mode;
    qint64 modified;
  } cases[] = {
      {"docs/report.txt", 0640, 978'350'401},      // 1 January 2001, odd seconds
      {"docs/private/key.txt", 0600, 986'123'457},
      {"bin/run.sh", 0755, 1'009'843'199},
  };
  const QString archivePath = tree.path("Drive-root-X.zip");
  ZipWriter writer(archivePath, {});
  QString reason;
  for (const Case& c : cases) {
    const QString path = tree.file("from/" + c.relative, QByteArray(5000, 'd') + c.relative.toUtf8());
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), c.mode), 0);
    tree.setTimes("from/" + c.relative, c.modified, c.modified);
    ASSERT_EQ(writer.add(path, &reason), AddResult::Queued) << reason.toStdString();
  }
  ASSERT_EQ(writer.commit(nullptr).archived.size(), 3);

  const QString destination = tree.folder("to");
  RecordingObserver observer;
  ASSERT_TRUE(extract(archivePath, destination, observer).complete()) << observer.reasons.join(", ").toStdString();
  for (const Case& c : cases) {
    const QString restored = destination + tree.path("from/" + c.relative);
    const struct stat st = statOf(restored);
    EXPECT_EQ(st.st_mode & 07777, c.mode) << c.relative.toStdString();
    EXPECT_EQ(qint64(st.st_mtime), c.modified) << c.relative.toStdString();
    EXPECT_EQ(contentsOf(restored), QByteArray(5000, 'd') + c.relative.toUtf8());
  }
}

TEST(ZipReader, FollowsTheUsersOwnLinkToAFolderInsideTheDestination) {
  // As on image-based systems, where /home is a link to /var/home.
  TempTree tree;
  const QString root = tree.folder("root");
  tree.folder("root/var/home/ann");
  ASSERT_EQ(::symlink("var/home", QFile::encodeName(root + "/home").constData()), 0);
  ASSERT_EQ(::symlink(QFile::encodeName(root + "/var/home").constData(), QFile::encodeName(root + "/users").constData()), 0);
  const QString archivePath = tree.path("a.zip");
  ASSERT_TRUE(craftArchive(archivePath, {{"home/ann/a.txt", "relative"}, {"users/ann/b/c.txt", "absolute"}}));
  RecordingObserver observer;
  EXPECT_TRUE(extract(archivePath, root, observer).complete()) << observer.reasons.join(", ").toStdString();
  EXPECT_EQ(contentsOf(root + "/var/home/ann/a.txt"), "relative");
  EXPECT_EQ(contentsOf(root + "/var/home/ann/b/c.txt"), "absolute");
  EXPECT_TRUE(S_ISLNK(statOf(root + "/home").st_mode));
}

TEST(ZipReader, NeverFollowsALinkOwnedByAnotherUser) {
  if (::geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
  TempTree tree;
  const QString root = tree.folder("root");
  tree.folder("root/target");
  const QByteArray link = QFile::encodeName(root + "/planted");
  ASSERT_EQ(::symlink("target", link.constData()), 0);
  constexpr uid_t kNobody = 65534;
  ASSERT_EQ(::lchown(link.constData(), kNobody, kNobody), 0);
  const QString archivePath = tree.path("a.zip");
  ASSERT_TRUE(craftArchive(archivePath, {{"planted/x.txt", "x"}}));
  RecordingObserver observer;
  const ExtractionSummary summary = extract(archivePath, root, observer);
  EXPECT_EQ(summary.refused, 1);
  EXPECT_EQ(observer.failed, QStringList{"planted/x.txt"});
  EXPECT_TRUE(observer.reasons.first().contains("owned by another user"));
  EXPECT_FALSE(QFileInfo::exists(root + "/target/x.txt"));
}

TEST(ZipReader, AnEntryThatIsALinkIsNeverMadeSoALaterEntryCannotGoThroughIt) {
  TempTree tree;
  const QString outside = tree.folder("outside");
  const QString root = tree.folder("root");
  const QString archivePath = tree.path("a.zip");
  ASSERT_TRUE(craftArchive(archivePath, {{"escape", outside.toUtf8()}, {"escape/x.txt", "x"}}));
  ASSERT_TRUE(setEntryMode(archivePath, "escape", 0120777));
  RecordingObserver observer;
  const ExtractionSummary summary = extract(archivePath, root, observer);
  EXPECT_EQ(summary.refused, 1);
  EXPECT_EQ(summary.extracted, 1);
  EXPECT_EQ(observer.failed, QStringList{"escape"});
  EXPECT_TRUE(S_ISDIR(statOf(root + "/escape").st_mode));
  EXPECT_TRUE(QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(ZipReader, StopsWhenAskedAndCountsTheEntriesNotReached) {
  TempTree tree;
  const QString archivePath = tree.path("a.zip");
  ASSERT_TRUE(craftArchive(archivePath, {{"1.txt", "1"}, {"2.txt", "2"}, {"3.txt", "3"}, {"4.txt", "4"}}));
  class StopAfterTwo final : public ExtractionObserver {
   public:
    bool reportProgress(int percent) override { return percent >= 50; }
    bool needPassword(QString*) override { return false; }
    void entryFailed(const EntryFailure&) override {}
  } stop;
  const ExtractionSummary summary = extract(archivePath, tree.folder("to"), stop);
  EXPECT_EQ(summary.extracted, 2);
  EXPECT_EQ(summary.notReached, 2);
  EXPECT_FALSE(QFileInfo::exists(tree.path("to/3.txt")));
}

TEST(ExtractionSummary, SaysFilesWereUnzippedOnlyWhenEveryEntryWas) {
  struct Case {
    ExtractionSummary summary;
    QString text;
  } cases[] = {
      {{3, 3, 0, 0, 0, 0}, "Files were unzipped"},
      {{0, 0, 0, 0, 0, 0}, "Files were unzipped"},
      {{20, 0, 20, 0, 0, 0}, "0 of 20 files were unzipped; 20 were not.\n20 already there: an existing file is never replaced."},
      {{20, 13, 0, 0, 0, 7}, "13 of 20 files were unzipped; 7 were not.\n7 not reached: the extraction was stopped."},
      {{5, 1, 1, 1, 1, 1},
       "1 of 5 files were unzipped; 4 were not.\n1 already there: an existing file is never replaced.\n"
       "1 refused: the path leaves the destination folder, passes a link that is not followed, or is a link.\n"
       "1 could not be written or read.\n1 not reached: the extraction was stopped."},
  };
  for (const Case& c : cases) EXPECT_EQ(extractionSummaryText(c.summary), c.text);
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
