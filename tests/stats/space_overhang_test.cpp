#include <gtest/gtest.h>

#include "core/stats/overhang_view.h"
#include "core/stats/space_view.h"
#include "support/fake_host.h"

namespace tessaly {
namespace {

constexpr double kKB = 1024.0;
constexpr double kMB = 1024.0 * 1024.0;
constexpr double kGB = 1024.0 * kMB;

DriveListItem item(const QString& mountPoint, bool ticked = true) {
  DriveListItem drive;
  drive.text = mountPoint + u' ';
  drive.path = mountPoint;
  drive.ticked = ticked;
  return drive;
}

TEST(SpacePage, ASmallDriveShowsKilobytesAndABigOneBesideItTurnsEveryBarToMegabytes) {
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/small"), platform::DriveKind::Removable, {}, 3000 * kKB, 9000 * kKB);
  drives.add(QStringLiteral("/big"), platform::DriveKind::Fixed, {}, 1 * kGB, 2 * kGB);

  const SpaceView alone = diskSizeView({item(QStringLiteral("/small"))}, true);
  EXPECT_EQ(alone.unit, QStringLiteral("KB"));
  ASSERT_EQ(alone.bars.size(), 1u);
  EXPECT_EQ(alone.bars[0].label, QStringLiteral("/small"));
  EXPECT_DOUBLE_EQ(alone.bars[0].free, 3000);
  EXPECT_DOUBLE_EQ(alone.bars[0].used, 6000);
  EXPECT_EQ(alone.total, QStringLiteral("9,000"));
  EXPECT_EQ(alone.free, QStringLiteral("3,000"));
  EXPECT_EQ(alone.used, QStringLiteral("6,000"));

  // One unit on one axis: the small drive's bar is converted too, never drawn as 9,000 MB.
  const SpaceView both = diskSizeView({item(QStringLiteral("/small")), item(QStringLiteral("/big"))}, true);
  EXPECT_EQ(both.unit, QStringLiteral("MB"));
  ASSERT_EQ(both.bars.size(), 3u);
  EXPECT_NEAR(both.bars[0].free + both.bars[0].used, 9000 * kKB / kMB, 1e-9);
  EXPECT_DOUBLE_EQ(both.bars[1].free + both.bars[1].used, 2048);
  // The summed total is cut before its decimals, free and used are rounded.
  EXPECT_EQ(both.total, QStringLiteral("2,056"));
  EXPECT_EQ(both.free, QStringLiteral("1,027"));
  EXPECT_EQ(both.used, QStringLiteral("1,030"));
}

TEST(SpacePage, TheCumulativeTotalBarNeedsTwoShownDrivesAndTheOption) {
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/"), platform::DriveKind::Fixed, {}, 0, 4 * kGB);
  drives.add(QStringLiteral("/data"), platform::DriveKind::Fixed, {}, 1 * kGB, 4 * kGB);
  drives.add(QStringLiteral("/gone"), platform::DriveKind::Removable, {}, 1 * kGB, 4 * kGB);
  drives.setReady(QStringLiteral("/gone"), false);
  const struct {
    QList<DriveListItem> list;
    bool cumulative;
    int shown;
    bool totalBar;
  } cases[] = {
      {{item(QStringLiteral("/"))}, true, 1, false},
      {{item(QStringLiteral("/")), item(QStringLiteral("/gone"))}, true, 1, false},
      {{item(QStringLiteral("/")), item(QStringLiteral("/data"), false)}, true, 1, false},
      // The first drive is full: the total still shows, though its free space equals the last drive's.
      {{item(QStringLiteral("/")), item(QStringLiteral("/data"))}, true, 2, true},
      {{item(QStringLiteral("/")), item(QStringLiteral("/data"))}, false, 2, false},
  };
  for (const auto& c : cases) {
    const SpaceView view = diskSizeView(c.list, c.cumulative);
    EXPECT_EQ(view.drivesShown, c.shown);
    EXPECT_EQ(int(view.bars.size()), c.shown + (c.totalBar ? 1 : 0));
    if (c.totalBar) {
      EXPECT_EQ(view.bars.back().label, QStringLiteral("Total"));
      EXPECT_DOUBLE_EQ(view.bars.back().free, 1024);
      EXPECT_DOUBLE_EQ(view.bars.back().used, 7168);
    }
  }
}

TEST(SpacePage, NothingReadyOrNothingBigHidesTheChartAndLowFreeSpaceIsRed) {
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/empty"), platform::DriveKind::RamDisk, {}, 0, 0);
  drives.add(QStringLiteral("/full"), platform::DriveKind::Fixed, {}, 0.04 * kGB, 1 * kGB);
  drives.add(QStringLiteral("/roomy"), platform::DriveKind::Fixed, {}, 0.06 * kGB, 1 * kGB);
  const SpaceView none = diskSizeView({item(QStringLiteral("/full"), false)}, true);
  EXPECT_FALSE(none.chartShown);
  EXPECT_EQ(none.drivesShown, 0);
  EXPECT_TRUE(none.total.isEmpty());
  const SpaceView zero = diskSizeView({item(QStringLiteral("/empty"))}, true);
  EXPECT_FALSE(zero.chartShown);
  EXPECT_EQ(zero.drivesShown, 1);
  EXPECT_TRUE(diskSizeView({item(QStringLiteral("/full"))}, true).lowSpace);
  EXPECT_FALSE(diskSizeView({item(QStringLiteral("/roomy"))}, true).lowSpace);
}

TEST(SpacePage, TwelveReadyDrivesGetElevenPiesAndTheTotalOfThoseEleven) {
  testkit::FakeDriveTable drives;
  QList<DriveListItem> list;
  for (int i = 1; i <= 13; ++i) {
    const QString mountPoint = QStringLiteral("/d%1").arg(i, 2, 10, QLatin1Char('0'));
    drives.add(mountPoint, platform::DriveKind::Fixed, {}, i * kGB, 100 * kGB);
    list.append(item(mountPoint, i % 2 == 0));  // checked or not, every ready drive gets a pie
  }
  drives.setReady(QStringLiteral("/d05"), false);
  const SpacePies pies = diskSizePies(list);
  ASSERT_EQ(pies.drives.size(), 11u);
  EXPECT_EQ(pies.drives[0].title, QStringLiteral("/d01  1.0% free"));
  EXPECT_EQ(pies.drives[4].title, QStringLiteral("/d06  6.0% free"));
  EXPECT_EQ(pies.drives[10].title, QStringLiteral("/d12  12.0% free"));
  EXPECT_DOUBLE_EQ(pies.drives[0].used, 99 * kGB);
  EXPECT_DOUBLE_EQ(pies.drives[0].free, 1 * kGB);
  // 1+2+3+4+6+...+12 = 73 GB free of 1,100 GB.
  EXPECT_DOUBLE_EQ(pies.total.free, 73 * kGB);
  EXPECT_EQ(pies.total.title, QStringLiteral("TOTAL 6.6% free"));
}

TEST(SpacePage, FreePercentagesAreCutToOneDecimalAndADriveOfSizeZeroDoesNotFail) {
  const struct {
    double free, total;
    const char* text;
  } cases[] = {{45.678, 100, "45.6"}, {1, 3, "33.3"}, {2, 3, "66.6"}, {100, 100, "100.0"}, {5, 0, "0.0"}, {0, 0, "0.0"}};
  for (const auto& c : cases) EXPECT_EQ(freePercentText(c.free, c.total), QString::fromLatin1(c.text)) << c.text;
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/zero"), platform::DriveKind::RamDisk, {}, 0, 0);
  const SpacePies pies = diskSizePies({item(QStringLiteral("/zero"))});
  ASSERT_EQ(pies.drives.size(), 1u);
  EXPECT_EQ(pies.drives[0].title, QStringLiteral("/zero  0.0% free"));
  EXPECT_EQ(pies.total.title, QStringLiteral("TOTAL 0.0% free"));
}

TEST(SpacePage, WithFiveDrivesEveryPieTurnsTogetherAndWithSixOnlyTheTotalTurns) {
  PieAngles five{{10, 10, 10}, 10};
  EXPECT_EQ(spinPies(five, 5), std::optional<int>(14));
  EXPECT_EQ(five.drives, (std::vector<int>{14, 14, 14}));
  EXPECT_EQ(five.total, 14);
  PieAngles round{{358}, 358};
  EXPECT_EQ(spinPies(round, 1), std::optional<int>(2));

  PieAngles six{{10, 20, 30, 40, 50, 60}, 358};
  EXPECT_EQ(spinPies(six, 6), std::nullopt);
  EXPECT_EQ(six.drives, (std::vector<int>{10, 20, 30, 40, 50, 60}));
  EXPECT_EQ(six.total, 0);
}

TEST(SpacePage, TheBarDepthGrowsLessForMoreDrives) {
  const struct {
    int drives, step, limit;
  } cases[] = {{0, 6, 60}, {2, 6, 60}, {3, 3, 30}, {4, 3, 30}, {5, 2, 20}, {6, 2, 20}, {7, 2, 10}, {12, 2, 10}};
  for (const auto& c : cases) {
    const DepthAnimation animation = depthAnimation(c.drives);
    EXPECT_EQ(animation.step, c.step) << c.drives;
    EXPECT_EQ(animation.limit, c.limit) << c.drives;
  }
}

StatisticsRecord recordOfBytes(qint64 bytes) {
  StatisticsRecord record;
  record.sizeBytes[7] = bytes;
  record.filesSelected = 1234;
  addSlack(record, bytes);
  return record;
}

TEST(OverhangPage, TotalsBelowOneMegabyteShowInKilobytesAndFromThereInMegabytes) {
  const struct {
    qint64 bytes;
    const char* size;
  } cases[] = {{1048575, "1,024 KB"}, {1048576, "1 MB"}, {512, "1 KB"}, {10 * 1048576 + 1, "10 MB"}};
  for (const auto& c : cases) EXPECT_EQ(overhangView(recordOfBytes(c.bytes), 4096).totalSize, QString::fromLatin1(c.size));
  // The unit of the actual space used is chosen by the files' total alone.
  const OverhangView nearly = overhangView(recordOfBytes(1048575), 4096);
  EXPECT_EQ(nearly.actualSpaceUsed, QStringLiteral("Actual space used 1,024 KB"));
}

TEST(OverhangPage, TheArrowMarksTheDrivesClusterSizeAndTheBarsRunFrom64KTo4K) {
  const StatisticsRecord record = recordOfBytes(4097);
  const struct {
    qint64 clusterSize;
    int row;
  } cases[] = {{4096, 0}, {8192, 1}, {16384, 2}, {32768, 3}, {65536, 4}, {2048, -1}, {0, -1}};
  for (const auto& c : cases) {
    const OverhangView view = overhangView(record, c.clusterSize);
    EXPECT_TRUE(view.enabled);
    EXPECT_EQ(view.arrowRow, c.row) << c.clusterSize;
    EXPECT_EQ(view.actualSpaceUsed.has_value(), c.row >= 0) << c.clusterSize;
  }
  const OverhangView view = overhangView(record, 65536);
  EXPECT_EQ(view.wasted, (std::array<QString, 5>{QStringLiteral("4,095"), QStringLiteral("4,095"),
                                                 QStringLiteral("12,287"), QStringLiteral("28,671"),
                                                 QStringLiteral("61,439")}));
  EXPECT_EQ(view.numFiles, QStringLiteral("Number of files scanned: 1,234"));
  EXPECT_EQ(view.actualSpaceUsed, QStringLiteral("Actual space used 64 KB"));
  EXPECT_DOUBLE_EQ(view.percentWasted[0], 61439.0 * 100 / (4097 + 61439));
  EXPECT_DOUBLE_EQ(view.percentWasted[4], 4095.0 * 100 / (4097 + 4095));
}

TEST(OverhangPage, ARunThatCountedNoByteDisablesThePage) {
  StatisticsRecord record;
  record.filesSelected = 3;  // three empty files
  EXPECT_FALSE(overhangView(record, 4096).enabled);
}

}  // namespace
}  // namespace tessaly
