#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>

#include "core/common/date_texts.h"
#include "core/common/removal_totals.h"
#include "core/common/settings_store.h"
#include "core/common/window_placement.h"
#include "platform/xdg_paths.h"
#include "support/temp_tree.h"

using namespace tessaly;

TEST(SettingsStore, ReadsDefaultsAndStoredValues) {
  testkit::TempXdg xdg;
  const IniView store = programSettings();
  EXPECT_EQ(store.readString(QStringLiteral("ZipFile"), QStringLiteral("Path"), QStringLiteral("/")), QStringLiteral("/"));
  store.writeString(QStringLiteral("ZipFile"), QStringLiteral("Path"), QStringLiteral("/home/me/Archives"));
  EXPECT_EQ(store.readString(QStringLiteral("ZipFile"), QStringLiteral("Path"), QStringLiteral("/")),
            QStringLiteral("/home/me/Archives"));
  EXPECT_TRUE(QFile::exists(xdg.configHome() + QStringLiteral("/tessaly/registry.ini")));
}

TEST(SettingsStore, ReadsIntegersInDecimalOrAfterZeroX) {
  testkit::TempXdg xdg;
  const IniView store = programSettings();
  const std::pair<const char*, qint64> cases[] = {{"42", 42}, {"-1", -1}, {"0x10", 16}, {"0X1f", 31},
                                                  {"0x", 7},  {"12a", 7}, {"", 7}};
  for (const auto& [text, expected] : cases) {
    store.writeString(QStringLiteral("S"), QStringLiteral("K"), QString::fromLatin1(text));
    EXPECT_EQ(store.readInteger(QStringLiteral("S"), QStringLiteral("K"), 7), expected) << text;
  }
  store.writeInteger(QStringLiteral("S"), QStringLiteral("Big"), 3'000'000'000LL);
  EXPECT_EQ(store.readInteger(QStringLiteral("S"), QStringLiteral("Big"), 0), 3'000'000'000LL);
}

TEST(StoredLists, FollowTheNumberConvention) {
  testkit::TempXdg xdg;
  const IniView store = programSettings();
  const QStringList defaults{QStringLiteral("*.doc"), QStringLiteral("*.exe")};
  EXPECT_EQ(store.readList(QStringLiteral("Include"), defaults), defaults);

  store.writeList(QStringLiteral("Include"), {"a", "b", "c", "d", "e"});
  store.writeList(QStringLiteral("Include"), {"x", "y", "z"});
  EXPECT_EQ(store.readList(QStringLiteral("Include"), defaults), (QStringList{"x", "y", "z"}));
  // The entries of the longer list stay behind, unread.
  EXPECT_EQ(store.readString(QStringLiteral("Include"), QStringLiteral("File5"), QString()), QStringLiteral("e"));

  store.writeList(QStringLiteral("Include"), {});
  EXPECT_TRUE(store.readList(QStringLiteral("Include"), defaults).isEmpty());

  store.writeString(QStringLiteral("Exclude"), QStringLiteral("Number"), QStringLiteral("0x10"));
  store.writeString(QStringLiteral("Exclude"), QStringLiteral("File3"), QStringLiteral("*.tmp"));
  store.writeString(QStringLiteral("Exclude"), QStringLiteral("File16"), QStringLiteral("*.bak"));
  EXPECT_EQ(store.readList(QStringLiteral("Exclude"), defaults), (QStringList{"*.tmp", "*.bak"}));
}

TEST(WindowPlacement, RoundTripsAndIgnoresDamagedValues) {
  testkit::TempXdg xdg;
  WindowPlacement placement;
  placement.left = 10;
  placement.top = 20;
  placement.right = 610;
  placement.bottom = 420;
  EXPECT_EQ(formatPlacement(placement), QStringLiteral("0 1 0 0 0 0 10 20 610 420 "));
  const PlacementKey key{QStringLiteral("tessaly.ini"), QStringLiteral("frmDups"), QStringLiteral("frmMods")};
  writePlacement(key, placement);
  const WindowPlacement back = readPlacement(key);
  EXPECT_TRUE(back.applicable());
  EXPECT_EQ(back.right, 610);

  EXPECT_FALSE(parsePlacement(QString()).applicable());
  EXPECT_EQ(parsePlacement(QString()).showCommand, 1);
  EXPECT_FALSE(parsePlacement(QStringLiteral("0 1 0 0 0 0 500 20 100 420 ")).applicable());
  const WindowPlacement damaged = parsePlacement(QStringLiteral("x y 0 0 0 0 10 zz 610 420"));
  EXPECT_EQ(damaged.showCommand, 1);
  EXPECT_EQ(damaged.top, 0);
  EXPECT_TRUE(damaged.applicable());
}

TEST(RemovalTotals, AccumulateInSixtyFourBitsAndStampTheStartDayOnce) {
  testkit::TempXdg xdg;
  const QDate first(2024, 5, 15);
  recordDeletions(RemovalKind::Deleted, 3, 1000, first);
  recordDeletions(RemovalKind::Deleted, 2, 500, first.addDays(3));
  RemovalTotals totals = readRemovalTotals();
  EXPECT_EQ(totals.deletedFiles, 5);
  EXPECT_EQ(totals.deletedBytes, 1500);
  EXPECT_EQ(totals.deletionStartDay, dayNumber(first));
  EXPECT_EQ(totals.trashedFiles, 0);

  recordDeletions(RemovalKind::Trashed, 1, 2'147'483'647LL, first);
  recordDeletions(RemovalKind::Trashed, 1, 2'147'483'647LL, first);
  recordArchived(4, 10, first);
  totals = readRemovalTotals();
  EXPECT_EQ(totals.trashedBytes, 4'294'967'294LL);
  EXPECT_EQ(totals.archivedFiles, 4);
  EXPECT_EQ(totals.archiveStartDay, dayNumber(first));

  resetRemovalTotals();
  totals = readRemovalTotals();
  EXPECT_EQ(totals.deletedFiles, -1);
  EXPECT_EQ(totals.archiveStartDay, -1);
}

TEST(RemovalTotals, EveryRunWritesAllFourCountersThoseWithNothingAddedToo) {
  testkit::TempXdg xdg;
  const IniView store = programSettings();
  const QString section = QStringLiteral("Tessaly");
  store.writeInteger(section, QStringLiteral("Ndelete"), 5);
  store.writeInteger(section, QStringLiteral("NWaste"), 7);
  store.writeInteger(section, QStringLiteral("DelDate"), 40000);
  recordDeletions(RemovalKind::Deleted, 3, 1000, QDate(2024, 5, 15));
  struct Case {
    const char* key;
    qint64 expected;
  } cases[] = {
      {"Ndelete", 8}, {"SizeDelete", 1000}, {"NWaste", 7}, {"SizeWaste", 0}, {"DelDate", 40000},
  };
  for (const Case& c : cases) EXPECT_EQ(store.readInteger(section, QString::fromLatin1(c.key), -99), c.expected) << c.key;

  recordDeletions(RemovalKind::Trashed, 2, 30, QDate(2024, 5, 16));
  EXPECT_EQ(store.readInteger(section, QStringLiteral("Ndelete"), -99), 8);
  EXPECT_EQ(store.readInteger(section, QStringLiteral("NWaste"), -99), 9);
  EXPECT_EQ(store.readInteger(section, QStringLiteral("SizeWaste"), -99), 30);
}

TEST(XdgPaths, FollowTheEnvironment) {
  testkit::TempXdg xdg;
  EXPECT_EQ(platform::hiveFilePath(), xdg.configHome() + QStringLiteral("/tessaly/registry.ini"));
  EXPECT_EQ(platform::foldersListPath(), xdg.dataHome() + QStringLiteral("/tessaly/folders.txt"));
}
