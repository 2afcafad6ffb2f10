#include <gtest/gtest.h>

#include <QLocale>
#include <algorithm>

#include "core/common/date_texts.h"
#include "core/grid/grid_sort.h"
#include "core/grid/sort_directions.h"

namespace tessaly {
namespace {

// A grid whose rows carry a tag in column 0 and the key in column 1; the extras travel too.
ResultTable gridOf(const QStringList& keys) {
  ResultTable grid;
  grid.headings = {QStringLiteral("Tag"), QStringLiteral("Key"), QStringLiteral("Other")};
  for (qsizetype i = 0; i < keys.size(); ++i) {
    ResultRow row;
    row.cells = {QStringLiteral("row%1").arg(i), keys[i], QStringLiteral("other%1").arg(i)};
    row.marked = i % 2 == 0;
    row.shaded = i % 3 == 0;
    row.cellColour = quint32(i);
    grid.rows.push_back(row);
  }
  return grid;
}

QStringList column(const ResultTable& grid, int c) {
  QStringList cells;
  for (const ResultRow& row : grid.rows) cells.append(row.cells.value(c));
  return cells;
}

class GridSortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFormat_ = shortDateFormat();
    setShortDateFormat(QStringLiteral("M/d/yyyy"));
  }
  void TearDown() override { setShortDateFormat(savedFormat_); }

 private:
  QString savedFormat_;
};

struct SortCase {
  const char* name;
  SortKey key;
  bool descending;
  QStringList keys;
  QStringList expected;
};

TEST_F(GridSortTest, EachKeyRuleOrdersTheRowsAsTheUserExpects) {
  const SortCase cases[] = {
      {"text ignores letter case", SortKey::Text, false, {"cherry", "Banana", "apple"}, {"apple", "Banana", "cherry"}},
      {"text descending", SortKey::Text, true, {"apple", "cherry", "Banana"}, {"cherry", "Banana", "apple"}},
      {"a prefix sorts first", SortKey::Text, false, {"abc", "ab", "a"}, {"a", "ab", "abc"}},
      {"text compares character codes, not the locale", SortKey::Text, false, {"_x", "Zed", "a_"}, {"a_", "Zed", "_x"}},
      {"numbers ignore thousands separators", SortKey::Number, false, {"1,000", "999", "10,000"},
       {"999", "1,000", "10,000"}},
      {"numbers keep their decimals", SortKey::Number, false, {"12.5", "12.34", "2"}, {"2", "12.34", "12.5"}},
      {"a minus sign is dropped", SortKey::Number, false, {"-5", "3"}, {"3", "-5"}},
      {"??? and DELETED sort with the zeros", SortKey::Number, false, {"5", "???", "0", "DELETED", "1"},
       {"???", "0", "DELETED", "1", "5"}},
      {"an unreadable number is 0", SortKey::Number, true, {"1.2.3", "7", ""}, {"7", "1.2.3", ""}},
      {"dates in the short format", SortKey::Date, false, {"3/1/2001", "12/31/1999", "1/15/2001"},
       {"12/31/1999", "1/15/2001", "3/1/2001"}},
      {"empty dates first ascending", SortKey::Date, false, {"5/5/1995", "", "1/1/1980"}, {"", "1/1/1980", "5/5/1995"}},
      {"empty dates last descending", SortKey::Date, true, {"", "5/5/1995", "1/1/1980"}, {"5/5/1995", "1/1/1980", ""}},
      {"a date with a time does not read", SortKey::Date, false, {"1/1/1990", "1/1/2000 10:00:00", "bad"},
       {"1/1/2000 10:00:00", "bad", "1/1/1990"}},
  };
  for (const SortCase& c : cases) {
    ResultTable grid = gridOf(c.keys);
    sortGrid(grid, c.key, 1, c.descending);
    EXPECT_EQ(column(grid, 1), c.expected) << c.name;
  }
}

TEST_F(GridSortTest, RowsTravelWholeWithTheirKey) {
  ResultTable grid = gridOf({"30", "10", "20", "10"});
  const ResultTable original = grid;
  for (SortKey key : {SortKey::Text, SortKey::Number, SortKey::Date}) {
    for (bool descending : {false, true}) {
      sortGrid(grid, key, 1, descending);
      ASSERT_EQ(grid.rows.size(), original.rows.size());
      for (const ResultRow& row : grid.rows) {
        const int built = row.cells[0].mid(3).toInt();
        const ResultRow& before = original.rows[size_t(built)];
        EXPECT_EQ(row.cells, before.cells);
        EXPECT_EQ(row.marked, before.marked);
        EXPECT_EQ(row.shaded, before.shaded);
        EXPECT_EQ(row.cellColour, before.cellColour);
      }
    }
  }
}

TEST_F(GridSortTest, EqualKeysKeepTheirOrderSoASecondSortChangesNothing) {
  // Many equal keys, so an unstable sort would show itself.
  QStringList keys;
  for (int i = 0; i < 200; ++i) keys.append(QString::number(i % 3));
  for (bool descending : {false, true}) {
    ResultTable grid = gridOf(keys);
    sortGridByNumber(grid, 1, descending);
    const QStringList first = column(grid, 0);
    QStringList sameKeyTags;
    for (const ResultRow& row : grid.rows) {
      if (row.cells[1] == u"1") sameKeyTags.append(row.cells[0]);
    }
    QStringList builtOrder;
    for (int i = 1; i < 200; i += 3) builtOrder.append(QStringLiteral("row%1").arg(i));
    EXPECT_EQ(sameKeyTags, builtOrder);
    sortGridByNumber(grid, 1, descending);
    EXPECT_EQ(column(grid, 0), first);
  }
}

TEST_F(GridSortTest, TextSortAgreesWithTheKeyOrderForNamesSharingLongBeginnings) {
  // Names that tie on their first 8 and 16 bytes, differ in length, or carry non-ASCII letters.
  QStringList keys;
  const QStringList stems = {"IMG_000", "img_0001", "/home/user/photos/", "/home/user/photos/2001/", "Ärger", "a"};
  for (int i = 0; i < 300; ++i) {
    keys.append(stems[i % stems.size()] + QString::number((i * 7919) % 97) + (i % 5 == 0 ? "" : ".JPG"));
  }
  for (bool descending : {false, true}) {
    ResultTable grid = gridOf(keys);
    sortGridByText(grid, 1, descending);
    std::vector<std::pair<std::string, QString>> reference;
    for (qsizetype i = 0; i < keys.size(); ++i) reference.push_back({textSortKey(keys[i]), QStringLiteral("row%1").arg(i)});
    std::stable_sort(reference.begin(), reference.end(), [descending](const auto& a, const auto& b) {
      return descending ? b.first < a.first : a.first < b.first;
    });
    QStringList expected;
    for (const auto& entry : reference) expected.append(entry.second);
    EXPECT_EQ(column(grid, 0), expected) << descending;
  }
}

TEST_F(GridSortTest, SmallGridsAndShortRowsSortSafely) {
  ResultTable empty = gridOf({});
  sortGridByText(empty, 1, false);
  EXPECT_TRUE(empty.rows.empty());

  ResultTable one = gridOf({"only"});
  sortGridByDate(one, 1, true);
  EXPECT_EQ(column(one, 0), QStringList{"row0"});

  // A row without the key cell sorts as an empty cell.
  ResultTable ragged = gridOf({"b", "a"});
  ragged.rows[0].cells = QStringList{QStringLiteral("short")};
  sortGridByText(ragged, 1, false);
  EXPECT_EQ(column(ragged, 0), (QStringList{"short", "row1"}));
}

TEST(SortKeysTest, NumbersFollowTheLocaleDecimalSeparator) {
  EXPECT_DOUBLE_EQ(numberSortKey(QStringLiteral("1,234,567"), u'.'), 1234567);
  EXPECT_DOUBLE_EQ(numberSortKey(QStringLiteral("12,34"), u','), 12.34);
  EXPECT_DOUBLE_EQ(numberSortKey(QStringLiteral("1.234.567"), u','), 1234567);
  EXPECT_DOUBLE_EQ(numberSortKey(QStringLiteral("(-5)"), u'.'), 5);
}

TEST(SortKeysTest, TextKeysChangeOnlyTheLettersAToZ) {
  EXPECT_EQ(textSortKey(QStringLiteral("abz{é}")), std::string("ABZ{\xC3\xA9}"));
}

TEST(SortDirectionsTest, EachUseFlipsOnlyItsOwnCommand) {
  enum { Size, Name };
  SortDirections directions{true, false};
  EXPECT_TRUE(directions.take(Size));
  EXPECT_FALSE(directions.take(Size));
  EXPECT_TRUE(directions.take(Size));
  EXPECT_FALSE(directions.take(Name));
  EXPECT_TRUE(directions.isDescending(Name));
  directions.setDescending(Size, true);
  EXPECT_TRUE(directions.take(Size));
}

}  // namespace
}  // namespace tessaly
