#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>

#include "core/search/duplicate_search.h"
#include "core/search/file_crc.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

QList<WalkRoot> rootsOf(const QStringList& paths) {
  QList<WalkRoot> roots;
  for (const QString& path : paths) roots.append({path, path});
  return roots;
}

SearchSettings hogsBetween(qint64 lower, qint64 upper) {
  SearchSettings settings;
  settings.findDups = false;
  settings.limits = {SizeCondition::Between, lower, upper};
  return settings;
}

QStringList pathColumn(const GridTable& table, int column) {
  QStringList cells;
  for (qsizetype row = 0; row < table.rowCount(); ++row) cells.append(table.cellText(row, column));
  return cells;
}

TEST(SizeConditions, TheDefaultTakesFilesFrom256000BytesOn) {
  const SizeLimits defaults = sizeLimits(SizeCondition::LargerOrEqual, 250, 250, SizeUnit::KB);
  EXPECT_FALSE(defaults.accepts(255999));
  EXPECT_TRUE(defaults.accepts(256000));
  const SizeLimits smaller = sizeLimits(SizeCondition::SmallerOrEqual, 250, 0, SizeUnit::KB);
  EXPECT_TRUE(smaller.accepts(256000));
  EXPECT_FALSE(smaller.accepts(256001));
}

TEST(SizeConditions, InBetweenIncludesBothBoundsAndRefusesASecondNumberBelowTheFirst) {
  const SizeLimits hundred = sizeLimits(SizeCondition::Between, 100, 100, SizeUnit::Bytes);
  EXPECT_FALSE(hundred.accepts(99));
  EXPECT_TRUE(hundred.accepts(100));
  EXPECT_FALSE(hundred.accepts(101));
  EXPECT_TRUE(checkSizeNumbers(SizeCondition::Between, 100, 100).isEmpty());
  EXPECT_EQ(checkSizeNumbers(SizeCondition::Between, 200, 100), kSecondNumberBelowFirst);
  EXPECT_TRUE(checkSizeNumbers(SizeCondition::LargerOrEqual, 200, 100).isEmpty());
}

TEST(DuplicateSearchWalk, TheDefaultSizeLimitCollectsOnlyFilesOf250KBAndMore) {
  testkit::TempTree tree;
  tree.file(QStringLiteral("small.dat"), 255999, 'a');
  tree.file(QStringLiteral("large.dat"), 256000, 'b');
  SearchSettings settings;
  settings.findDups = false;
  DuplicateSearch search(settings);
  search.scan(rootsOf({tree.root()}));
  EXPECT_EQ(pathColumn(search.table(), 4), QStringList{tree.path(QStringLiteral("large.dat"))});
  EXPECT_EQ(search.statusText(), QStringLiteral("1 file hogs found"));
}

TEST(DuplicateSearchWalk, AFileReachedThroughTwoRootsIsCollectedOnce) {
  testkit::TempTree tree;
  tree.file(QStringLiteral("inner/same.txt"), 300000, 'x');
  DuplicateSearch dups(SearchSettings{});
  dups.scan(rootsOf({tree.root(), tree.path(QStringLiteral("inner"))}));
  EXPECT_TRUE(dups.table().rows.empty());
  EXPECT_TRUE(dups.statusText().isEmpty());

  DuplicateSearch hogs(hogsBetween(0, 1000000));
  hogs.scan(rootsOf({tree.root(), tree.path(QStringLiteral("inner"))}));
  EXPECT_EQ(hogs.table().rows.size(), 1u);
}

TEST(DuplicateSearchWalk, TwoHardLinksOfOneFileAreOneFileButRealCopiesPair) {
  testkit::TempTree tree;
  const QString original = tree.file(QStringLiteral("a/data.bin"), 300000, 'x');
  tree.folder(QStringLiteral("b"));
  ASSERT_EQ(::link(QFile::encodeName(original).constData(),
                   QFile::encodeName(tree.path(QStringLiteral("b/data.bin"))).constData()),
            0);
  DuplicateSearch linked(SearchSettings{});
  linked.scan(rootsOf({tree.root()}));
  EXPECT_TRUE(linked.table().rows.empty());

  tree.file(QStringLiteral("c/DATA.BIN"), 300000, 'y');
  DuplicateSearch copies(SearchSettings{});
  copies.scan(rootsOf({tree.root()}));
  EXPECT_EQ(copies.table().rows.size(), 2u);
  EXPECT_EQ(copies.statusText(), QStringLiteral("2 duplicates found"));
}

TEST(DuplicateSearchWalk, FileHogsListA3GBSparseFileFirstByItsRealSizeAndKeepPathCase) {
  testkit::TempTree tree;
  QFile sparse(tree.path(QStringLiteral("Big/Sparse.IMG")));
  tree.folder(QStringLiteral("Big"));
  ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
  ASSERT_TRUE(sparse.resize(3LL * 1024 * 1024 * 1024));
  sparse.close();
  tree.file(QStringLiteral("Big/Second.Dat"), 300000, 'a');
  tree.file(QStringLiteral("Big/Third.DAT"), 400000, 'b');

  SearchSettings settings;
  settings.findDups = false;
  DuplicateSearch search(settings);
  search.scan(rootsOf({tree.root()}));
  EXPECT_EQ(pathColumn(search.table(), 0), QStringList({"3,221,225,472", "400,000", "300,000"}));
  EXPECT_EQ(pathColumn(search.table(), 4),
            QStringList({tree.path(QStringLiteral("Big/Sparse.IMG")), tree.path(QStringLiteral("Big/Third.DAT")),
                         tree.path(QStringLiteral("Big/Second.Dat"))}));

  // A 3 GB size never wraps into a small one.
  DuplicateSearch small(hogsBetween(0, 10000 * 1024));
  small.scan(rootsOf({tree.root()}));
  EXPECT_EQ(small.table().rows.size(), 2u);
}

TEST(DuplicateSearchWalk, AbortKeepsTheGroupsOfTheFilesCollectedSoFar) {
  testkit::TempTree tree;
  for (const char* folder : {"one", "two", "three", "four"})
    tree.file(QString::fromUtf8(folder) + QStringLiteral("/same.txt"), 300000, 'z');
  SearchSettings settings;
  DuplicateSearch search(settings);
  struct AbortAfterTwo final : WalkPacer {
    DuplicateSearch* search = nullptr;
    void pump() override {
      if (search->collection().files().size() == 2) search->abort();
    }
  } pacer;
  pacer.search = &search;
  search.scan(rootsOf({tree.root()}), &pacer);
  EXPECT_TRUE(search.aborted());
  EXPECT_EQ(search.table().rows.size(), 2u);
}

TEST(FileChecksum, SumsTheCrcOfEach2048ByteBlock) {
  testkit::TempTree tree;
  EXPECT_EQ(fileCRC(tree.file(QStringLiteral("empty"))), 0u);
  EXPECT_EQ(fileCRC(tree.path(QStringLiteral("missing"))), 0u);
  QByteArray data(5000, '\0');
  for (int i = 0; i < data.size(); ++i) data[i] = char((i * 7 + 3) % 256);
  const quint32 value = fileCRC(tree.file(QStringLiteral("one"), data));
  EXPECT_EQ(value, fileCRC(tree.file(QStringLiteral("other"), data)));
  // python3: data = bytes((i*7+3)%256 for i in range(5000));
  //          sum(zlib.crc32(data[k:k+2048]) for k in range(0, 5000, 2048)) % 2**32
  // (the CRC-32 of the whole file would be 0x1ABD04D4)
  EXPECT_EQ(value, 0x6B8ED74Du);
}

}  // namespace
}  // namespace tessaly
