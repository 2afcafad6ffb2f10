#include <gtest/gtest.h>

#include <numeric>

#include "core/stats/cluster_overhang.h"
#include "core/stats/statistics_run.h"
#include "support/fake_host.h"

namespace tessaly {
namespace {

const QDate kToday(2024, 6, 15);

WalkEntry fileEntry(const QString& name, qint64 size) {
  WalkEntry entry;
  entry.name = name;
  entry.size = size;
  return entry;
}

DosStamp stampAt(const QDate& date, const QTime& time = QTime(12, 0)) { return packDosStamp(QDateTime(date, time)); }

StatisticsRecord crunched(const WalkEntry& entry, const TypeFilter& filter = {}, bool overhang = false) {
  StatisticsRecord record;
  crunchNumbers(record, entry, filter, overhang, kToday);
  return record;
}

TEST(StatisticsClasses, SizeClassesEndAtTheirUpperBoundsInclusive) {
  const struct {
    qint64 size;
    int sizeClass;
  } cases[] = {{0, 1}, {16384, 1}, {16385, 2}, {32768, 2}, {16777216, 11}, {16777217, 12}, {5LL << 30, 12}};
  for (const auto& c : cases) EXPECT_EQ(sizeClass(c.size), c.sizeClass) << c.size;
  const StatisticsRecord record = crunched(fileEntry(QStringLiteral("a"), 16385));
  EXPECT_EQ(record.sizeCount[2], 1);
  EXPECT_EQ(record.sizeBytes[2], 16385);
}

TEST(StatisticsClasses, AgeClassesOfTheThreeDatesStopAt7And1460Days) {
  const struct {
    int daysAgo;
    int ageClass;
  } cases[] = {{0, 1}, {7, 1}, {8, 2}, {30, 2}, {31, 3}, {1460, 8}, {1461, 9}, {-3, 1}};
  for (const auto& c : cases) {
    WalkEntry entry = fileEntry(QStringLiteral("a"), 10);
    entry.writeStamp = stampAt(kToday.addDays(-c.daysAgo));
    entry.creationStamp = entry.writeStamp;
    const StatisticsRecord record = crunched(entry);
    EXPECT_EQ(record.ageModifiedCount[size_t(c.ageClass)], 1) << c.daysAgo;
    EXPECT_EQ(record.ageCreatedBytes[size_t(c.ageClass)], 10) << c.daysAgo;
    // No access date: "Not recorded", and no access half-hour either.
    EXPECT_EQ(record.ageAccessedCount[0], 1);
    EXPECT_EQ(std::accumulate(record.hourAccessed.begin(), record.hourAccessed.end(), qint64(0)), 0);
  }
}

TEST(StatisticsClasses, HalfHourSlotsLeaveOutTheFirstHalfHour) {
  const struct {
    QTime time;
    int slot;
  } cases[] = {{QTime(0, 15), 0}, {QTime(0, 30), 1}, {QTime(12, 29), 24}, {QTime(23, 59), 47}};
  for (const auto& c : cases) {
    WalkEntry entry = fileEntry(QStringLiteral("a"), 1);
    entry.writeStamp = stampAt(kToday, c.time);
    EXPECT_EQ(halfHourSlot(entry.writeStamp), c.slot);
    const StatisticsRecord record = crunched(entry);
    const qint64 counted = std::accumulate(record.hourModified.begin(), record.hourModified.end(), qint64(0));
    EXPECT_EQ(counted, c.slot == 0 ? 0 : 1) << c.slot;
    EXPECT_EQ(record.hourModified[size_t(c.slot)], c.slot == 0 ? 0 : 1);
  }
  EXPECT_EQ(halfHourSlot(0), -1);
}

TEST(StatisticsClasses, AFileCountsOnceInEachOfItsAttributes) {
  WalkEntry entry = fileEntry(QStringLiteral("a"), 100);
  entry.attributes = ReadOnlyAttribute | HiddenAttribute | ArchiveAttribute;
  const StatisticsRecord record = crunched(entry);
  EXPECT_EQ(record.readOnlyCount, 1);
  EXPECT_EQ(record.hiddenBytes, 100);
  EXPECT_EQ(record.archiveCount, 1);
  EXPECT_EQ(record.systemCount, 0);
  const StatisticsRecord plain = crunched(fileEntry(QStringLiteral("b"), 100));
  EXPECT_EQ(plain.readOnlyCount + plain.hiddenCount + plain.systemCount + plain.archiveCount, 0);
}

TEST(TypeListLines, ExtensionsOfUpToFiveCharactersGetUpperCaseLinesInOrder) {
  StatisticsRecord record;
  for (const auto& [name, size] : std::initializer_list<std::pair<const char*, qint64>>{
           {"report.html", 10}, {"data.backup", 20}, {"README", 30}, {"page.HTML", 5}, {"a.doc", 3000000000LL}})
    crunchNumbers(record, fileEntry(QString::fromUtf8(name), size), {}, false, kToday);
  ASSERT_EQ(record.types.lines().size(), 3u);
  const std::vector<TypeLine>& lines = record.types.lines();
  EXPECT_EQ(lines[0].extension, QString());
  EXPECT_EQ(lines[0].bytes, 30);
  EXPECT_EQ(lines[1].extension, QStringLiteral(".DOC"));
  EXPECT_EQ(lines[1].bytes, 3000000000LL);
  EXPECT_EQ(lines[2].extension, QStringLiteral(".HTML"));
  EXPECT_EQ(lines[2].count, 2);
  EXPECT_EQ(lines[2].bytes, 15);
  // data.backup has no type line but counts everywhere else.
  EXPECT_EQ(record.filesSelected, 5);
  EXPECT_EQ(record.sizeCount[1], 4);

  record.types.insertType(QStringLiteral(".xls"), 0, true);
  record.types.insertType(QStringLiteral(".doc"), 7, true);
  EXPECT_EQ(record.types.lines()[1].count, 1);
  EXPECT_EQ(record.types.lines()[3].extension, QStringLiteral(".XLS"));
  EXPECT_EQ(record.types.lines()[3].count, 0);
}

TEST(TypeFilters, TheThreeChoicesSelectByExtension) {
  const QStringList docAndTxt{QStringLiteral("*.doc\tWord document"), QStringLiteral("*.txt\tText")};
  const QStringList exe{QStringLiteral("*.exe\tProgram")};
  const struct {
    TypeFilter filter;
    const char* name;
    bool selected;
  } cases[] = {
      {TypeFilter(TypeChoice::All, exe), "b.exe", true},
      {TypeFilter(TypeChoice::Include, docAndTxt), "A.DOC", true},
      {TypeFilter(TypeChoice::Include, docAndTxt), "b.exe", false},
      {TypeFilter(TypeChoice::Include, {}), "A.DOC", false},
      {TypeFilter(TypeChoice::Exclude, exe), "b.EXE", false},
      {TypeFilter(TypeChoice::Exclude, exe), "README", true},
      {TypeFilter(TypeChoice::Exclude, {}), "b.exe", true},
  };
  for (const auto& c : cases) EXPECT_EQ(c.filter.isThisSelected(QString::fromUtf8(c.name)), c.selected) << c.name;
  EXPECT_EQ(extractExtension(QStringLiteral("*.DOC\tWord document")), QStringLiteral(".doc"));

  StatisticsRecord record;
  crunchNumbers(record, fileEntry(QStringLiteral("b.exe"), 1), TypeFilter(TypeChoice::Include, docAndTxt), false, kToday);
  EXPECT_EQ(record.filesSelected, 0);
  EXPECT_TRUE(record.types.lines().empty());
}

TEST(ClusterOverhang, SlackIsTheUnusedTailOfTheLastClusterForEachSize) {
  const StatisticsRecord odd = crunched(fileEntry(QStringLiteral("a"), 4097), {}, true);
  EXPECT_EQ(odd.waste4K, 4095);
  EXPECT_EQ(odd.waste8K, 4095);
  EXPECT_EQ(odd.waste16K, 12287);
  EXPECT_EQ(odd.waste32K, 28671);
  EXPECT_EQ(odd.waste64K, 61439);
  const StatisticsRecord even = crunched(fileEntry(QStringLiteral("b"), 8192), {}, true);
  EXPECT_EQ(even.waste4K, 0);
  EXPECT_EQ(even.waste8K, 0);
  EXPECT_EQ(even.waste16K, 8192);
  EXPECT_EQ(even.waste32K, 24576);
  EXPECT_EQ(even.waste64K, 57344);
  EXPECT_EQ(crunched(fileEntry(QStringLiteral("c"), 4097)).waste4K, 0);
  EXPECT_EQ(*wasteFor(even, 16384), 8192);
  EXPECT_EQ(wasteFor(even, 2048), nullptr);
}

TEST(ClusterOverhang, AFatDrivesClusterSizeFollowsItsCapacityAndOtherDrivesAnswerForThemselves) {
  testkit::FakeDriveTable drives;
  const struct {
    const char* mountPoint;
    const char* fsType;
    double capacity;
    qint64 blockSize;
    qint64 clusterSize;
  } cases[] = {
      {"/big", "vfat", 34359738368.0, 512, 32768},  // exactly 32 GB
      {"/large", "vfat", 17179869185.0, 512, 16384},
      {"/medium", "vfat", 17179869184.0, 512, 8192},
      {"/mid", "vfat", 3000000000.0, 512, 4096},    // the file system is not asked
      {"/small", "vfat", 2147483648.0, 2048, 2048},  // 2 GB: the file system is asked
      {"/ext", "ext4", 500e9, 4096, 4096},
      {"/btrfs", "btrfs", 1e12, 16384, 16384},
  };
  for (const auto& c : cases) {
    const QString mountPoint = QString::fromLatin1(c.mountPoint);
    drives.add(mountPoint, platform::DriveKind::Fixed, {}, 0, c.capacity, c.blockSize);
    drives.setFileSystem(mountPoint, QString::fromLatin1(c.fsType));
  }
  for (const auto& c : cases)
    EXPECT_EQ(computeClusterSize(QString::fromLatin1(c.mountPoint) + QStringLiteral("/folder")), c.clusterSize)
        << c.mountPoint;
  drives.add(QStringLiteral("/gone"), platform::DriveKind::Removable, {}, 0, 3000000000.0);
  drives.setReady(QStringLiteral("/gone"), false);
  EXPECT_EQ(computeClusterSize(QStringLiteral("/gone")), 0);
}

}  // namespace
}  // namespace tessaly
