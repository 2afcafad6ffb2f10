#include <gtest/gtest.h>

#include "core/common/date_texts.h"
#include "core/dates/date_query.h"
#include "support/scoped_date_format.h"

namespace tessaly {
namespace {

// Dates read and written as M/d/yyyy, whatever the host's locale.
class ShortDates : public ::testing::Test {
 protected:
  testkit::ScopedDateFormat format{QStringLiteral("M/d/yyyy")};
};

DosStamp stampOn(int year, int month, int day, int hour = 12) {
  return packDosStamp(QDateTime(QDate(year, month, day), QTime(hour, 0)));
}

// Month 13 does not unpack: such a date shows, and compares, as 1 January 1980.
constexpr DosStamp kUnpackable = (DosStamp(10) << 25) | (13u << 21) | (1u << 16);
const QDate kMarch1(2024, 3, 1);
const QDate kMarch31(2024, 3, 31);

struct RangeCase {
  const char* what;
  DateRange range;
  DosStamp stamp;
  bool inRange;
};

TEST(DateQueryTest, EachRangeTakesItsBoundaryDaysAndLeavesTheDaysBeyond) {
  const RangeCase cases[] = {
      {"in between: the first day", DateRange::InBetween, stampOn(2024, 3, 1, 0), true},
      {"in between: the last day, late in the evening", DateRange::InBetween, packDosStamp(QDateTime(kMarch31, QTime(23, 59, 58))), true},
      {"in between: the day before", DateRange::InBetween, stampOn(2024, 2, 29), false},
      {"in between: the day after", DateRange::InBetween, stampOn(2024, 4, 1, 0), false},
      {"on or before: the start day", DateRange::OnOrBefore, stampOn(2024, 3, 1, 23), true},
      {"on or before: long before", DateRange::OnOrBefore, stampOn(1999, 7, 4), true},
      {"on or before: the day after the start, though within the end", DateRange::OnOrBefore, stampOn(2024, 3, 2, 0), false},
      {"on or after: the start day", DateRange::OnOrAfter, stampOn(2024, 3, 1, 0), true},
      {"on or after: past the end, which it does not read", DateRange::OnOrAfter, stampOn(2030, 1, 1), true},
      {"on or after: the day before", DateRange::OnOrAfter, stampOn(2024, 2, 29, 23), false},
      {"a stamp that does not unpack is 1 January 1980: before", DateRange::OnOrBefore, kUnpackable, true},
      {"a stamp that does not unpack is 1 January 1980: not after", DateRange::OnOrAfter, kUnpackable, false},
  };
  for (const RangeCase& c : cases) {
    const DateQuery query{DateKind::Accessed, c.range, kMarch1, kMarch31};
    EXPECT_EQ(query.inRange(c.stamp), c.inRange) << c.what;
  }
}

TEST(DateQueryTest, AFileWithoutTheChosenDateCountsAsOldForOnOrBeforeOnly) {
  const DosStamp inMarch = stampOn(2024, 3, 5);
  for (const DateKind kind : {DateKind::Accessed, DateKind::Created, DateKind::Modified}) {
    // The other two dates lie in every range; only the chosen one is missing.
    const DosStamp access = kind == DateKind::Accessed ? 0 : inMarch;
    const DosStamp creation = kind == DateKind::Created ? 0 : inMarch;
    const DosStamp write = kind == DateKind::Modified ? 0 : inMarch;
    for (const DateRange range : {DateRange::OnOrBefore, DateRange::InBetween, DateRange::OnOrAfter}) {
      const DateQuery query{kind, range, kMarch1, kMarch31};
      EXPECT_EQ(query.inRange(query.chosenStamp(access, creation, write)), range == DateRange::OnOrBefore)
          << dateKindTitle(kind).toStdString() << ", range " << int(range);
    }
  }
}

TEST(DateQueryTest, TheKindChoosesItsOwnStamp) {
  const DosStamp access = stampOn(2020, 1, 1), creation = stampOn(2021, 1, 1), write = stampOn(2022, 1, 1);
  const auto chosen = [&](DateKind kind) {
    DateQuery query;
    query.kind = kind;
    return query.chosenStamp(access, creation, write);
  };
  EXPECT_EQ(chosen(DateKind::Accessed), access);
  EXPECT_EQ(chosen(DateKind::Created), creation);
  EXPECT_EQ(chosen(DateKind::Modified), write);
}

TEST_F(ShortDates, ThePrintTitleNamesTheKindAndTheRangeAsTheBoxesShowThem) {
  const QDate start(1999, 1, 1), end(1999, 3, 31);
  EXPECT_EQ(dateQueryTitle({DateKind::Accessed, DateRange::InBetween, start, end}),
            QStringLiteral("Files Last accessed between 1/1/1999 and 3/31/1999"));
  EXPECT_EQ(dateQueryTitle({DateKind::Created, DateRange::OnOrBefore, start, end}),
            QStringLiteral("Files Created before 1/1/1999"));
  EXPECT_EQ(dateQueryTitle({DateKind::Modified, DateRange::OnOrAfter, start, end}),
            QStringLiteral("Files Modified after 1/1/1999"));
}

TEST_F(ShortDates, ATypedDateReadsTwoDigitYearsAsTheYears1950To2049) {
  const struct {
    const char* typed;
    QDate date;
  } cases[] = {
      {"3/31/1999", QDate(1999, 3, 31)}, {"3/31/99", QDate(1999, 3, 31)}, {"1/2/50", QDate(1950, 1, 2)},
      {"1/2/49", QDate(2049, 1, 2)},     {"1/2/00", QDate(2000, 1, 2)},   {" 2/29/2024 ", QDate(2024, 2, 29)},
      {"1/2/1949", QDate(1949, 1, 2)},   {"2/29/2023", QDate()},          {"13/1/2000", QDate()},
      {"", QDate()},                     {"yesterday", QDate()},          {"1/2/123", QDate()},
  };
  for (const auto& c : cases) EXPECT_EQ(readTypedDate(QString::fromUtf8(c.typed)), c.date) << c.typed;
}

TEST_F(ShortDates, ATwoDigitYearReadsInAnyOrderOfTheFields) {
  setShortDateFormat(QStringLiteral("dd.MM.yyyy"));
  EXPECT_EQ(readTypedDate(QStringLiteral("01.02.49")), QDate(2049, 2, 1));
  EXPECT_EQ(readTypedDate(QStringLiteral("01.02.1949")), QDate(1949, 2, 1));
  setShortDateFormat(QStringLiteral("d/M/yy"));
  EXPECT_EQ(readTypedDate(QStringLiteral("1/2/05")), QDate(2005, 2, 1));
}

}  // namespace
}  // namespace tessaly
