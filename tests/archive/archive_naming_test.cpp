#include <gtest/gtest.h>

#include <QLocale>

#include "core/archive/archive_naming.h"
#include "platform/xdg_paths.h"

namespace tessaly {
namespace {

const QDateTime kSixSeptember(QDate(1997, 9, 6), QTime(5, 33));

TEST(ArchiveNaming, NamesTheRootDriveTheTagAndTheMinuteOfTheRun) {
  struct Case {
    QString folder, tag, expected;
  } cases[] = {
      {"/srv/archives", "TempClean", "/srv/archives/Drive-root-TempClean06Sep970533.zip"},
      {"/srv/archives/", "TempClean", "/srv/archives/Drive-root-TempClean06Sep970533.zip"},
      {"/srv/archives", "", "/srv/archives/Drive-root-06Sep970533.zip"},
      {"", "Duplicates", platform::homeFolder() + "/Drive-root-Duplicates06Sep970533.zip"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(archiveFileName(c.folder, c.tag, QString::fromUtf16(kHostDrivePart), kSixSeptember), c.expected);
}

TEST(ArchiveNaming, TheMonthFollowsTheLocalesShortMonthNames) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const QString name = archiveTimeText(QDateTime(QDate(1998, 12, 25), QTime(17, 2)));
  QLocale::setDefault(saved);
  EXPECT_TRUE(name.startsWith("25Dez")) << name.toStdString();
  EXPECT_TRUE(name.endsWith("981702")) << name.toStdString();
}

TEST(ArchiveNaming, EntriesAreTheAbsolutePathWithoutItsLeadingSlash) {
  EXPECT_EQ(archiveEntryName("/home/ann/notes.txt"), "home/ann/notes.txt");
}

TEST(ArchiveNaming, TheDrivePartIsReadBackFromAnArchiveName) {
  EXPECT_EQ(archiveDrivePart("/x/Drive-root-TempClean06Sep970533.zip"), "root");
  EXPECT_EQ(archiveDrivePart("/x/drive-C-06Sep970533.ZIP"), "C");
  EXPECT_EQ(archiveDrivePart("/x/backup.zip"), "");
}

}  // namespace
}  // namespace tessaly
