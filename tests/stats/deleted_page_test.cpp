#include <gtest/gtest.h>

#include <limits>

#include "core/common/date_texts.h"
#include "core/common/settings_store.h"
#include "core/stats/deleted_totals_view.h"
#include "core/stats/printed_pages.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

class DeletedPage : public ::testing::Test {
 protected:
  testkit::TempXdg xdg;
};

TEST_F(DeletedPage, AFreshStoreShowsNotAvailableEverywhereAndNoStartDates) {
  const DeletedPageTexts texts = deletedPageTexts(readRemovalTotals());
  for (const RemovalGroupTexts& group : {texts.deleted, texts.zipped, texts.trashed}) {
    EXPECT_EQ(group.files, QStringLiteral("n/a"));
    EXPECT_EQ(group.bytes, QStringLiteral("n/a"));
  }
  EXPECT_TRUE(texts.deletedSince.isEmpty());
  EXPECT_TRUE(texts.zippedSince.isEmpty());
}

TEST_F(DeletedPage, TheCountDecidesWhetherAGroupShowsItsNumbers) {
  const IniView store = programSettings();
  store.writeInteger(QStringLiteral("Tessaly"), QStringLiteral("Ndelete"), 0);
  store.writeInteger(QStringLiteral("Tessaly"), QStringLiteral("SizeDelete"), 5000);
  store.writeInteger(QStringLiteral("Tessaly"), QStringLiteral("NWaste"), 1234);
  store.writeInteger(QStringLiteral("Tessaly"), QStringLiteral("SizeWaste"), 5000000000LL);
  store.writeInteger(QStringLiteral("Tessaly"), QStringLiteral("NZip"), 2);
  store.writeInteger(QStringLiteral("Tessaly"), QStringLiteral("SizeZip"), 0);
  const DeletedPageTexts texts = deletedPageTexts(readRemovalTotals());
  EXPECT_EQ(texts.deleted.files, QStringLiteral("n/a"));
  EXPECT_EQ(texts.deleted.bytes, QStringLiteral("n/a"));
  EXPECT_EQ(texts.trashed.files, QStringLiteral("1,234 files"));
  EXPECT_EQ(texts.trashed.bytes, QStringLiteral("5,000,000,000 bytes"));
  EXPECT_EQ(texts.zipped.files, QStringLiteral("2 files"));
  EXPECT_EQ(texts.zipped.bytes, QStringLiteral("0 bytes"));
}

TEST_F(DeletedPage, EachGroupShowsItsOwnStartDateAndResetEmptiesEverything) {
  recordDeletions(RemovalKind::Deleted, 3, 300, QDate(2024, 3, 1));
  recordArchived(4, 400, QDate(2024, 5, 20));
  DeletedPageTexts texts = deletedPageTexts(readRemovalTotals());
  EXPECT_EQ(texts.deletedSince, QStringLiteral("Since ") + shortDateText(QDate(2024, 3, 1)));
  EXPECT_EQ(texts.zippedSince, QStringLiteral("Since ") + shortDateText(QDate(2024, 5, 20)));
  EXPECT_EQ(texts.deleted.files, QStringLiteral("3 files"));
  EXPECT_EQ(texts.zipped.bytes, QStringLiteral("400 bytes"));

  resetRemovalTotals();
  for (const char* key : {"Ndelete", "SizeDelete", "NWaste", "SizeWaste", "DelDate", "NZip", "SizeZip", "ZipDate"})
    EXPECT_EQ(programSettings().readInteger(QStringLiteral("Tessaly"), QString::fromLatin1(key), 0), -1) << key;
  texts = deletedPageTexts(readRemovalTotals());
  EXPECT_EQ(texts.deleted.files, QStringLiteral("n/a"));
  EXPECT_TRUE(texts.deletedSince.isEmpty());
}

TEST(StartDates, DayNumbersReadAsDatesAndOnesBeyondTheCalendarAs1980) {
  EXPECT_EQ(sinceText(-1), QString());
  EXPECT_EQ(sinceText(0), QStringLiteral("Since ") + shortDateText(QDate(1899, 12, 30)));
  EXPECT_EQ(sinceText(dayNumber(QDate(2001, 2, 3))), QStringLiteral("Since ") + shortDateText(QDate(2001, 2, 3)));
  EXPECT_EQ(sinceText(std::numeric_limits<qint64>::max()), QStringLiteral("Since ") + shortDateText(QDate(1980, 1, 1)));
}

TEST(PrintedPages, RowsFillEachPageAndOnlyTheFirstCarriesTheHeadings) {
  const struct {
    int rows;
    double rowHeight, bodyHeight;
    std::vector<std::pair<int, int>> pages;  // first row, row count
  } cases[] = {
      {0, 10, 100, {{0, 0}}},
      {9, 10, 100, {{0, 9}}},
      {10, 10, 100, {{0, 9}, {9, 1}}},
      {30, 10, 100, {{0, 9}, {9, 10}, {19, 10}, {29, 1}}},
      {3, 10, 5, {{0, 1}, {1, 1}, {2, 1}}},  // a page lower than one row still takes one
  };
  for (const auto& c : cases) {
    const std::vector<PrintedPage> pages = paginateRows(c.rows, c.rowHeight, c.bodyHeight);
    ASSERT_EQ(pages.size(), c.pages.size()) << c.rows;
    for (size_t i = 0; i < pages.size(); ++i) {
      EXPECT_EQ(pages[i].firstRow, c.pages[i].first) << c.rows;
      EXPECT_EQ(pages[i].rowCount, c.pages[i].second) << c.rows;
      EXPECT_EQ(pages[i].withHeadings, i == 0);
    }
  }
}

}  // namespace
}  // namespace tessaly
