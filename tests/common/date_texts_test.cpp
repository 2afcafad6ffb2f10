#include <gtest/gtest.h>

#include "core/common/date_texts.h"
#include "core/common/dos_time.h"

using namespace tessaly;

TEST(Fix2000, WidensTheYearAndMakesTheMonthNumeric) {
  const std::pair<const char*, const char*> cases[] = {
      {"M/d/yy", "M/d/yyyy"},       {"dd-MMM-yy", "dd-MM-yyyy"}, {"dd.MM.yyyy", "dd.MM.yyyy"},
      {"d/MMM/yyyy", "d/MM/yyyy"}, {"dd MMMM", "dd MMM"},       {"HH:mm", "HH:mm"}};
  for (const auto& [format, expected] : cases)
    EXPECT_EQ(fix2000(QString::fromLatin1(format)), QString::fromLatin1(expected)) << format;
}

struct RelativeCase {
  QDate reference;
  QDate date;
  const char* expected;
};

TEST(RelativeDateBetween, NamesDaysWeeksMonthsAndYears) {
  const QDate wednesday(2024, 5, 15);  // a Wednesday
  const QDate friday(2024, 5, 17);
  const RelativeCase cases[] = {
      {wednesday, wednesday, "Today"},
      {wednesday, wednesday.addDays(-1), "Yesterday"},
      {wednesday, wednesday.addDays(1), "Tomorrow"},
      {wednesday, QDate(2024, 5, 12), "This week"},  // the Sunday before
      {wednesday, QDate(2024, 5, 11), "Last week"},  // the Saturday before
      {wednesday, wednesday.addDays(-20), "3 wks ago"},
      {QDate(2024, 5, 28), QDate(2024, 5, 8), "3 wks ago"},  // 20 days, same month
      {wednesday, QDate(2019, 5, 3), "5 yrs ago"},
      {wednesday, QDate(2024, 2, 10), "3 mons ago"},
      {wednesday, QDate(2023, 10, 1), "7 mons ago"},
      {wednesday, QDate(2021, 3, 1), "3 yrs 2 mons ago"},
      {wednesday, QDate(2021, 4, 1), "3 yrs 1 mon ago"},
      {friday, QDate(2024, 5, 20), "Next week"},  // the next Monday
      {wednesday, QDate(2024, 5, 18), "This week"},
      {wednesday, QDate(2024, 9, 20), "4 mons"},
      {wednesday, QDate(2027, 6, 20), "3 yrs 1 mon"},
  };
  for (const RelativeCase& c : cases) {
    EXPECT_EQ(relativeDateBetween(QDateTime(c.reference, QTime(12, 0)), QDateTime(c.date, QTime(9, 0))),
              QString::fromLatin1(c.expected))
        << c.date.toString(Qt::ISODate).toStdString();
  }
  EXPECT_EQ(relativeDateBetween(QDateTime(wednesday, QTime(12, 0)), QDateTime()), QString());
}

TEST(DosStamps, PackAndUnpackLocalTimes) {
  const QDateTime when(QDate(2001, 9, 6), QTime(5, 33, 20));
  const DosStamp stamp = packDosStamp(when);
  EXPECT_EQ(unpackDosStamp(stamp), when);
  EXPECT_EQ(packDosStamp(QDateTime(QDate(1979, 12, 31), QTime(23, 0))), 0u);
  EXPECT_EQ(packDosStamp(QDateTime(QDate(2108, 1, 1), QTime(0, 0))), 0u);
  EXPECT_EQ(stampDateText(0), QString());
  EXPECT_EQ(stampTimeText(0), QString());
  // Month 13 does not exist: the date text falls back to 1 January 1980.
  EXPECT_EQ(stampDateText((DosStamp(20) << 25) | (DosStamp(13) << 21) | (DosStamp(1) << 16)),
            shortDateText(QDate(1980, 1, 1)));
}

TEST(AgeInDays, IsTheAbsoluteDayDifference) {
  const QDate today(2024, 5, 15);
  EXPECT_EQ(ageInDaysOn(packDosStamp(QDateTime(today, QTime(1, 0))), today), 0);
  EXPECT_EQ(ageInDaysOn(packDosStamp(QDateTime(today.addDays(-1), QTime(23, 0))), today), 1);
  EXPECT_EQ(ageInDaysOn(packDosStamp(QDateTime(today.addDays(1), QTime(0, 0))), today), 1);
  EXPECT_EQ(ageInDaysOn(0, today), -1);
}

TEST(DayNumber, CountsFromTheEndOf1899) {
  EXPECT_EQ(dayNumber(QDate(1899, 12, 30)), 0);
  EXPECT_EQ(dayNumber(QDate(2000, 1, 1)), 36526);
}
