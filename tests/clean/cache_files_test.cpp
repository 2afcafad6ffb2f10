#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>

#include "core/clean/cache_files.h"
#include "core/common/settings_store.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

const QDate kToday(2024, 3, 15);

// Seconds since the epoch of noon, local time, the given number of days before kToday
// (after it when negative).
qint64 daysAgo(int days) { return QDateTime(kToday.addDays(-days), QTime(12, 0)).toSecsSinceEpoch(); }

QStringList pathsOf(const CacheCollection& collection) { return collection.paths(); }

class CacheFiles : public ::testing::Test {
 protected:
  QString cacheFile(const QString& relative, int accessedDaysAgo, qint64 size = 10) {
    const QString path = tree.file(relative, size, 'x');
    tree.setTimes(relative, daysAgo(accessedDaysAgo), daysAgo(accessedDaysAgo));
    return path;
  }
  testkit::TempTree tree;
};

TEST_F(CacheFiles, AFileIsTakenWhenItsLastAccessIsAtLeastTheMinimumAgeAwayEitherWay) {
  struct Case {
    const char* name;
    int accessedDaysAgo;
    int minimumAge;
    bool taken;
  };
  const Case cases[] = {
      {"29 days old stays at 30", 29, 30, false},
      {"30 days old goes at 30", 30, 30, true},
      {"31 days old goes at 30", 31, 30, true},
      {"30 days ahead goes at 30", -30, 30, true},
      {"29 days ahead stays at 30", -29, 30, false},
      {"today goes at 0", 0, 0, true},
      {"today stays at 1", 0, 1, false},
      {"100 days old goes at 100", 100, 100, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = cacheFile(QStringLiteral("age/entry"), c.accessedDaysAgo);
    CacheCollection collection;
    collectCacheFiles(tree.path("age"), c.minimumAge, kToday, collection);
    EXPECT_EQ(pathsOf(collection), c.taken ? QStringList{path} : QStringList());
  }
}

TEST_F(CacheFiles, TheFolderOwnFilesAreTakenHiddenOnesTooButNotThoseOfSubFoldersNorLinks) {
  const QString a = cacheFile("cache/a1b2", 40, 100);
  const QString hidden = cacheFile("cache/.lock", 40, 7);
  cacheFile("cache/index-dir/the-real-index", 40, 1000);
  ASSERT_TRUE(QFile::link(a, tree.path("cache/link-to-a")));
  const CacheCollection collection = collectCacheFolders({tree.path("cache")}, 30, kToday);
  EXPECT_EQ(pathsOf(collection), (QStringList{hidden, a}));
  EXPECT_EQ(collection.bytes, 107);
}

TEST_F(CacheFiles, FoldersAreTakenInTurnAndThoseThatCannotBeReadGiveNothing) {
  const QString first = cacheFile("one/b", 5);
  const QString second = cacheFile("two/a", 5);
  const CacheCollection collection =
      collectCacheFolders({QString(), tree.path("two"), tree.path("missing"), tree.path("one")}, 0, kToday);
  EXPECT_EQ(pathsOf(collection), (QStringList{second, first}));
  EXPECT_EQ(collection.bytes, 20);
}

TEST_F(CacheFiles, AFileWithoutALastAccessDateIsNeverTaken) {
  tree.file("cache/old");
  tree.setTimes("cache/old", 0, 0);  // 1970: before the dates a stamp can hold
  EXPECT_TRUE(collectCacheFolders({tree.path("cache")}, 0, kToday).files.empty());
}

TEST_F(CacheFiles, TheBytesOfLargeFilesAddUpPastTwoGigabytes) {
  constexpr qint64 kThreeGigabytes = 3LL * 1024 * 1024 * 1024;
  const QString path = cacheFile("cache/big", 40);
  QFile big(path);
  ASSERT_TRUE(big.resize(kThreeGigabytes));  // sparse: takes no disk space
  tree.setTimes("cache/big", daysAgo(40), daysAgo(40));
  cacheFile("cache/small", 40, 5);
  const CacheCollection collection = collectCacheFolders({tree.path("cache")}, 30, kToday);
  EXPECT_EQ(collection.bytes, kThreeGigabytes + 5);
  EXPECT_EQ(collection.files.front().size, kThreeGigabytes);
}

TEST(CacheFolderList, NeverStoredGivesTheBrowsersFoldersOnceStoredTheStoredOnes) {
  const testkit::TempXdg xdg;
  const testkit::TempHome home;
  const QString entries = xdg.cacheHome() + "/mozilla/firefox/a.default/cache2/entries";
  ASSERT_TRUE(QDir().mkpath(entries));
  EXPECT_EQ(readCacheFolders(), QStringList{entries});
  writeCacheFolders({"/srv/cache", "/srv/cache"});
  EXPECT_EQ(readCacheFolders(), (QStringList{"/srv/cache", "/srv/cache"}));
  writeCacheFolders({});
  EXPECT_EQ(readCacheFolders(), QStringList());
}

}  // namespace
}  // namespace tessaly
