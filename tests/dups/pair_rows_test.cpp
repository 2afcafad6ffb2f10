#include <gtest/gtest.h>

#include <QFile>

#include "core/dups/pair_checksums.h"
#include "core/dups/pair_rows.h"
#include "core/dups/pair_texts.h"
#include "core/search/duplicate_search.h"
#include "core/search/file_crc.h"
#include "support/access_rights.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

struct RowFile {
  const char* folder;
  const char* name;
  qint64 size;
};

// The rows of a duplicates search by name over the files, in their grouped order.
FileTable duplicateRows(std::initializer_list<RowFile> files, MatchMode mode, std::unique_ptr<DuplicateSearch>& search) {
  SearchSettings settings;
  settings.matchMode = mode;
  search = std::make_unique<DuplicateSearch>(settings);
  quint64 inode = 1;
  for (const RowFile& f : files) {
    WalkEntry entry;
    entry.name = QString::fromUtf8(f.name);
    entry.size = f.size;
    entry.writeStamp = packDosStamp(QDateTime(QDate(2021, 5, 3), QTime(8, 0)));
    entry.device = 1;
    entry.inode = inode++;
    search->collection().add(QString::fromUtf8(f.folder), entry);
  }
  search->present();
  return search->table();
}

class PairRows : public ::testing::Test {
 protected:
  void SetUp() override {
    // A group of three, a group of two; by name and size the pair across the groups matches not.
    table = duplicateRows({{"/a", "apple.txt", 10}, {"/b", "apple.txt", 10}, {"/c", "apple.txt", 10},
                           {"/a", "berry.txt", 20}, {"/b", "berry.txt", 20}},
                          MatchMode::FilenameAndSize, search);
    ASSERT_EQ(table.rowCount(), 5);
  }
  std::unique_ptr<DuplicateSearch> search;
  FileTable table;
};

TEST_F(PairRows, NextPairWalksEveryNeighbouringPairInsideEachGroupThenStops) {
  std::vector<qsizetype> visited{0};
  while (const std::optional<qsizetype> next = GetNextDupRow(table, visited.back(), MatchMode::FilenameAndSize))
    visited.push_back(*next);
  EXPECT_EQ(visited, (std::vector<qsizetype>{0, 1, 3}));
}

TEST_F(PairRows, PrevPairWalksBackAndStopsAtTheFirstRow) {
  const struct {
    qsizetype from;
    std::optional<qsizetype> expected;
  } cases[] = {{3, 1}, {2, 1}, {1, 0}, {0, std::nullopt}, {4, 3}};
  for (const auto& c : cases) EXPECT_EQ(GetPrevDupRow(table, c.from, MatchMode::FilenameAndSize), c.expected) << c.from;
}

TEST_F(PairRows, PairsMatchUnderTheSearchesModeAndTheLastRowHasNoPartner) {
  const struct {
    qsizetype row;
    MatchMode mode;
    bool matches;
  } cases[] = {
      {0, MatchMode::FilenameAndSize, true},  {2, MatchMode::FilenameAndSize, false},
      {2, MatchMode::SizeOnly, false},        {2, MatchMode::FilenameSizeAndDate, false},
      {3, MatchMode::TypeAndDate, true},      {2, MatchMode::TypeAndDate, true},
      {4, MatchMode::FilenameAndSize, false}, {-1, MatchMode::FilenameAndSize, false},
  };
  for (const auto& c : cases) EXPECT_EQ(qPairMatches(table, c.row, c.mode), c.matches) << c.row << " " << int(c.mode);
}

TEST_F(PairRows, TheLastRowIsShownAsTheRightFileOfThePairAboveIt) {
  EXPECT_EQ(firstPairRow(table, 0), 0);
  EXPECT_EQ(firstPairRow(table, 3), 3);
  EXPECT_EQ(firstPairRow(table, 4), 3);
  EXPECT_EQ(firstPairRow(table, -1), 0);
}

TEST(PairChecksums, TheVerdictComparesContentsAndAGoneSideStaysEmpty) {
  testkit::TempTree tree;
  const QByteArray blockA(2048, 'a');
  const QByteArray blockB(2048, 'b');
  const QString first = tree.file("one", blockA + blockB);
  const QString same = tree.file("same", blockA + blockB);
  const QString other = tree.file("other", blockA + blockA);
  // The same blocks in another order: equal sums of block checksums, different contents.
  const QString swapped = tree.file("swapped", blockB + blockA);
  ASSERT_EQ(fileCRC(first), fileCRC(swapped));
  const QString sum = crcText(fileCRC(first));

  const ChecksumTexts identical = computeCRCValues(first, same);
  EXPECT_EQ(identical.left, sum + kContentsIdentical);
  EXPECT_EQ(identical.right, sum + kContentsIdentical);

  const ChecksumTexts differ = computeCRCValues(first, other);
  EXPECT_EQ(differ.left, sum + kContentsDiffer);
  EXPECT_EQ(differ.right, crcText(fileCRC(other)) + kContentsDiffer);

  const ChecksumTexts reordered = computeCRCValues(first, swapped);
  EXPECT_EQ(reordered.left, sum + kContentsDiffer);
  EXPECT_EQ(reordered.right, sum + kContentsDiffer);

  const ChecksumTexts gone = computeCRCValues(first, std::nullopt);
  EXPECT_EQ(gone.left, sum);
  EXPECT_TRUE(gone.right.isEmpty());
}

TEST(PairChecksums, AFileThatCannotBeReadShowsZeroWithoutAVerdict) {
  testkit::TempTree tree;
  const QString readable = tree.file("readable", QByteArray("abc"));
  const QString locked = tree.file("locked", QByteArray("abc"));
  ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
  const testkit::PermissionBitsApply bitsApply;
  const ChecksumTexts texts = computeCRCValues(readable, locked);
  EXPECT_EQ(texts.left, crcText(fileCRC(readable)));
  EXPECT_EQ(texts.right, crcText(0));
}

}  // namespace
}  // namespace tessaly
