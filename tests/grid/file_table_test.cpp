#include <gtest/gtest.h>

#include <QLocale>

#include "core/common/date_texts.h"
#include "core/grid/file_table.h"
#include "core/grid/grid_sort.h"
#include "core/grid/grid_text.h"
#include "support/fake_host.h"

namespace tessaly {
namespace {

// Every kind of column once, so each sort can be tried on each.
const std::vector<FileColumn> kAllColumns = {
    {QStringLiteral("Filename"), FileValue::Name},      {QStringLiteral("FileName"), FileValue::Path},
    {QStringLiteral("Folder"), FileValue::Folder},      {QStringLiteral("Size"), FileValue::Size},
    {QStringLiteral("Modified"), FileValue::Modified},  {QStringLiteral("Time"), FileValue::Time},
    {QStringLiteral("Access"), FileValue::Accessed},    {QStringLiteral("Created"), FileValue::Created},
    {QStringLiteral("Type"), FileValue::Type},
};

// Lone surrogates stand for the raw bytes of names that are not UTF-8; the halves of a
// character beyond 16 bits, U+1F600.
const QString kRaw80 = QChar(0xDC80);
const QString kRawFF = QChar(0xDCFF);
const QString kHighHalf = QChar(0xD83D);
const QString kLowHalf = QChar(0xDE00);

DosStamp stampOf(int year, int month, int day, int hour, int minute) {
  return packDosStamp(QDateTime(QDate(year, month, day), QTime(hour, minute)));
}

// Files whose texts put the value sorts to the test: names equal but for case, names sharing
// long beginnings, non-ASCII letters, characters beyond 16 bits, raw bytes of names that are
// not UTF-8; folders that hold one another and folders whose names sort around "/"; equal
// sizes and sizes beyond 32 bits; empty, invalid and equal stamps. Blank rows among them.
FileTable trickyTable() {
  const QStringList folders = {"/",     "/a",     "/a/b", "/a/b c", "/a/b.c", "/a/b/c", "/A/b", "/x/",
                               "/a/b-", "/a/bz/", "/\u00e4", "/a/" + kRaw80};
  const QStringList names = {"b",
                             "B",
                             "b c",
                             "b.c",
                             "c",
                             "IMG_0001.JPG",
                             "img_0001.jpg",
                             "img_0001.jpg2",
                             "\u00c4rger.txt",
                             "\u00e4rger.txt",
                             "\U0001F600.txt",
                             "\uE000private.txt",
                             "raw" + kRaw80 + ".txt",
                             "raw" + kRawFF + ".txt",
                             "a_long_document_name_1.txt",
                             "a_long_document_name_10.txt",
                             "a_long_document_name_2.txt",
                             "a_long_document_name_",
                             "zz",
                             "Zz"};
  const qint64 sizes[] = {0, 5, 5, 999, 1000, 123456789, 3LL << 30, (1LL << 40) + 1};
  const DosStamp monthThirteen = (13u << 21) | (1u << 16) | (10u << 11);
  const DosStamp stamps[] = {0,
                             monthThirteen,
                             stampOf(1980, 1, 1, 12, 0),
                             stampOf(1999, 12, 31, 23, 58),
                             stampOf(2001, 1, 15, 8, 30),
                             stampOf(2001, 1, 15, 20, 30),
                             stampOf(2001, 3, 1, 0, 0),
                             stampOf(2020, 2, 29, 12, 0)};
  auto files = std::make_shared<FoundFiles>();
  std::vector<ResultEntry> rows;
  quint32 next = 7;
  const auto pick = [&next](size_t count) {
    next = next * 1103515245u + 12345u;
    return size_t(next >> 8) % count;
  };
  for (quint32 i = 0; i < 400; ++i) {
    const QString& folder = folders[qsizetype(pick(size_t(folders.size())))];
    const FileStamps fileStamps{stamps[pick(std::size(stamps))], stamps[pick(std::size(stamps))],
                                stamps[pick(std::size(stamps))]};
    files->add(folder, names[qsizetype(pick(size_t(names.size())))], sizes[pick(std::size(sizes))], fileStamps);
    rows.push_back({i, false});
    if (i % 97 == 0) rows.push_back({kNoFile, false});
  }
  return FileTable(files, kAllColumns, std::move(rows));
}

// The same grid as texts: what the grid was before its rows held values.
ResultTable textsOf(const FileTable& table) {
  ResultTable texts;
  texts.headings = table.headings;
  for (qsizetype row = 0; row < table.rowCount(); ++row) {
    ResultRow cells;
    for (int column = 0; column < table.columnCount(); ++column) cells.cells.append(table.cellText(row, column));
    texts.rows.push_back(cells);
  }
  return texts;
}

class FileTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFormat_ = shortDateFormat();
    setShortDateFormat(QStringLiteral("M/d/yyyy"));
    types_.add(QStringLiteral(".txt"), {}, QStringLiteral("Text Document"));
    types_.add(QStringLiteral(".jpg"), {}, QStringLiteral("JPEG image"));
    types_.add(QStringLiteral(".c"), {}, QStringLiteral("C source"));
  }
  void TearDown() override {
    setShortDateFormat(savedFormat_);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }

  testkit::FakeFileTypes types_;

 private:
  QString savedFormat_;
};

TEST_F(FileTableTest, EverySortOfEveryColumnGivesTheOrderTheRuleGivesTheTexts) {
  const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany),
                             QLocale(QLocale::Arabic, QLocale::Egypt)};
  for (const QLocale& locale : locales) {
    QLocale::setDefault(locale);
    FileTable values = trickyTable();
    ResultTable texts = textsOf(values);
    // Each sort starts from the order the one before left, as a user's sorts do.
    for (int column = 0; column < values.columnCount(); ++column) {
      for (SortKey key : {SortKey::Text, SortKey::Number, SortKey::Date}) {
        for (bool descending : {false, true}) {
          values.sortRows(key, column, descending);
          texts.sortRows(key, column, descending);
          const ResultTable sorted = textsOf(values);
          ASSERT_EQ(sorted.rows.size(), texts.rows.size());
          for (size_t row = 0; row < texts.rows.size(); ++row) {
            ASSERT_EQ(sorted.rows[row].cells, texts.rows[row].cells)
                << locale.name().toStdString() << " column " << column << " key " << int(key) << " descending "
                << descending << " row " << row;
          }
        }
      }
    }
  }
}

TEST_F(FileTableTest, SizesDatesAndNamesSortTheWayTheUserReadsThem) {
  auto files = std::make_shared<FoundFiles>();
  files->add("/d", "beta.txt", 10000, {stampOf(2001, 3, 1, 9, 0)});
  files->add("/d", "Alpha.txt", 999, {0});
  files->add("/d", "gamma.txt", 3LL << 30, {stampOf(1999, 12, 31, 9, 0)});
  FileTable table(files, kAllColumns, {{0}, {1}, {2}});
  const auto names = [&table] {
    QStringList column;
    for (qsizetype row = 0; row < table.rowCount(); ++row) column.append(table.cellText(row, 0));
    return column;
  };
  table.sortRows(SortKey::Number, 3, true);
  EXPECT_EQ(names(), QStringList({"gamma.txt", "beta.txt", "Alpha.txt"}));
  table.sortRows(SortKey::Date, 4, false);  // no date first, as 1 January 1900
  EXPECT_EQ(names(), QStringList({"Alpha.txt", "gamma.txt", "beta.txt"}));
  table.sortRows(SortKey::Text, 0, false);
  EXPECT_EQ(names(), QStringList({"Alpha.txt", "beta.txt", "gamma.txt"}));
}

TEST_F(FileTableTest, CellsShowTheFileAndABlankRowShowsNothing) {
  auto files = std::make_shared<FoundFiles>();
  files->add("/home/u", "Big.txt", 1234567, {stampOf(2021, 3, 4, 5, 6), stampOf(2021, 3, 5, 1, 2), 0});
  files->add("/", "root.c", 0, {});
  const FileTable table(files, kAllColumns, {{0}, {1}, {kNoFile}});
  QStringList first;
  for (int column = 0; column < table.columnCount(); ++column) first.append(table.cellText(0, column));
  EXPECT_EQ(first, QStringList({"Big.txt", "/home/u/Big.txt", "/home/u", "1,234,567", "3/4/2021",
                                longTimeText(QTime(5, 6)), "3/5/2021", "", "Text Document"}));
  EXPECT_EQ(table.cellText(1, 1), QStringLiteral("/root.c"));
  EXPECT_EQ(table.filePath(1), QStringLiteral("/root.c"));
  for (int column = 0; column < table.columnCount(); ++column) EXPECT_TRUE(table.cellText(2, column).isEmpty());
  EXPECT_TRUE(table.filePath(2).isEmpty());
  EXPECT_EQ(table.alignmentOf(3), CellAlignment::Right);
  EXPECT_EQ(table.alignmentOf(0), CellAlignment::Left);
  EXPECT_EQ(gridAsTabLines(table).last(), QString(table.columnCount() - 1, u'\t'));
}

TEST(TextKeyTest, KeysFollowCodePointsAndCountRawBytesAsTheirOwnValue) {
  EXPECT_EQ(textSortKey(u"abz{\u00e9}"), std::string("ABZ{\xC3\xA9}"));
  EXPECT_EQ(textSortKey(u"\U0001F600"), std::string("\xF0\x9F\x98\x80"));
  // A lone surrogate is encoded as its own value: after U+D7FF, before U+E000.
  EXPECT_EQ(textSortKey(kRaw80), std::string("\xED\xB2\x80"));
  EXPECT_LT(textSortKey(u"\uD7FF"), textSortKey(kRaw80));
  EXPECT_LT(textSortKey(kRaw80), textSortKey(u"\uE000"));
  EXPECT_NE(textSortKey(QStringLiteral("raw") + kRaw80), textSortKey(QStringLiteral("raw") + kRawFF));

  const TextKeyHead head = textKeyHead(u"abcdefghIJKLMNOPqrs");
  EXPECT_EQ(head.words, (std::array<quint64, 3>{0x4142434445464748ull, 0x494A4B4C4D4E4F50ull, 0x5152530000000000ull}));
  EXPECT_EQ(head.length, 19u);
  const TextKeyHead wide = textKeyHead(u"\u00e9");
  EXPECT_EQ(wide.words[0], 0xC3A9000000000000ull);
  EXPECT_EQ(wide.length, 2u);
}

TEST(TextKeyTest, APathInPiecesComparesAsTheJoinedText) {
  const QString folders[] = {"/a", "/a/b", "/a/b c", "/a/" + kHighHalf};
  const QString names[] = {"x", "b c", "b/", kLowHalf, ""};
  const QString slash = QStringLiteral("/");
  for (const QString& folderA : folders) {
    for (const QString& nameA : names) {
      for (const QString& folderB : folders) {
        for (const QString& nameB : names) {
          const int joined = textSortKey(folderA + slash + nameA).compare(textSortKey(folderB + slash + nameB));
          const int pieces = compareTextKeys(TextPieces{{folderA, slash, nameA}, 3}, TextPieces{{folderB, slash, nameB}, 3});
          EXPECT_EQ(joined < 0, pieces < 0) << (folderA + slash + nameA).toStdString();
          EXPECT_EQ(joined == 0, pieces == 0) << (folderA + slash + nameA).toStdString();
        }
      }
    }
  }
  // A character beyond 16 bits split between two pieces is still one character.
  const QString high = QStringLiteral("a") + kHighHalf;
  EXPECT_EQ(compareTextKeys(TextPieces{{high, kLowHalf}, 2}, TextPieces{{u"a\U0001F600"}, 1}), 0);
  EXPECT_GT(compareTextKeys(TextPieces{{high, kLowHalf}, 2}, TextPieces{{u"a\uFFFF"}, 1}), 0);
}

}  // namespace
}  // namespace tessaly
