#include <gtest/gtest.h>

#include "core/dups/pair_texts.h"
#include "core/dups/report_title.h"

namespace tessaly {
namespace {

DosStamp at(int day, int hour, int minute) { return packDosStamp(QDateTime(QDate(2021, 5, day), QTime(hour, minute))); }

TEST(PairTexts, SizeComparisonReadsAsTheRightFileAgainstTheLeft) {
  const struct {
    qint64 left, right;
    const char* expected;
  } cases[] = {
      {100, 150, "50% larger"},
      {150, 100, "50% smaller"},
      {1000, 1001, "Slightly larger"},
      {1001, 1000, "Slightly smaller"},
      {4096, 4096, "Same size"},
      {0, 0, "Same size"},
      // A percentage of an empty file cannot be taken.
      {10, 0, "Empty file"},
      {0, 10, "Larger (left file is empty)"},
      // Sizes beyond 32 bits neither overflow nor lose the percentage.
      {6'000'000'000, 9'000'000'000, "50% larger"},
      {9'000'000'000'000'000'000, 3'000'000'000'000'000'000, "200% smaller"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(sizeComparison(c.left, c.right), QString::fromUtf8(c.expected)) << c.left << " " << c.right;
}

TEST(PairTexts, CreationComparisonCountsDaysOrHoursAndMinutesWithinOneDay) {
  const struct {
    DosStamp left, right;
    const char* expected;
  } cases[] = {
      {at(3, 8, 10), at(3, 11, 35), "03 hrs 25 min newer"},
      {at(3, 11, 35), at(3, 8, 10), "03 hrs 25 min older"},
      // Whole days count from midnight to midnight, not in spans of 24 hours.
      {at(3, 23, 0), at(4, 1, 0), "1 days newer"},
      {at(10, 9, 0), at(7, 9, 0), "3 days older"},
      {at(3, 8, 10), at(3, 8, 10), "Same Creation Date/Time"},
      {0, at(3, 8, 10), "???"},
  };
  for (const auto& c : cases) EXPECT_EQ(creationComparison(c.left, c.right), QString::fromUtf8(c.expected)) << c.expected;
}

TEST(PairTexts, ArrowsPointToTheLaterDateAndAccessComparesWholeDays) {
  const struct {
    DosStamp left, right;
    bool wholeDays;
    NewerSide expected;
  } cases[] = {
      {at(3, 8, 0), at(3, 9, 0), false, NewerSide::Right},
      {at(4, 8, 0), at(3, 9, 0), false, NewerSide::Left},
      {at(3, 8, 0), at(3, 8, 0), false, NewerSide::Same},
      {at(3, 8, 0), at(3, 9, 0), true, NewerSide::Same},
      {at(3, 8, 0), at(2, 9, 0), true, NewerSide::Left},
      {0, at(3, 9, 0), false, NewerSide::Unknown},
  };
  for (const auto& c : cases) EXPECT_EQ(newerSide(c.left, c.right, c.wholeDays), c.expected);
}

TEST(PairTexts, VersionLinesDifferOnlyWhenBothListsHaveTwoLinesOrMore) {
  const QStringList absent = pairVersionLines({});
  EXPECT_EQ(absent, QStringList{"Extended profile absent"});
  const struct {
    QStringList lines, other;
    std::vector<bool> expected;
  } cases[] = {
      {{"Version 1", "Maker A"}, {"Version 2", "Maker A"}, {true, false}},
      // A line with no line at its place in the shorter list is a difference.
      {{"Version 1", "Maker A", "Notes"}, {"Version 1", "Maker A"}, {false, false, true}},
      {{"Version 1", "Maker A"}, absent, {false, false}},
      {absent, {"Version 1", "Maker A"}, {false}},
  };
  for (const auto& c : cases) EXPECT_EQ(differingVersionLines(c.lines, c.other), c.expected) << c.lines.join(',').toStdString();
}

TEST(PairTexts, ChecksumsAreCapitalHexRightAlignedInEightCharacters) {
  EXPECT_EQ(crcText(0xabc), QStringLiteral("     ABC"));
  EXPECT_EQ(crcText(0xdeadbeef), QStringLiteral("DEADBEEF"));
  EXPECT_EQ(crcText(0), QStringLiteral("       0"));
}

TEST(ReportTitle, TellsTheModeSizeConditionPatternAndTickedEntries) {
  const struct {
    ReportTitleSettings settings;
    const char* expected;
  } cases[] = {
      {{true, SizeCondition::SmallerOrEqual, 10, 250, SizeUnit::Bytes, "*.*", {"/"}},
       "Duplicates smaller or equal to 10 bytes matching *.* on drive(s) / "},
      {{false, SizeCondition::LargerOrEqual, 250, 250, SizeUnit::KB, "*.doc", {"/", "/home/user/Music"}},
       "File Hogs larger or equal to 250 KB matching *.doc on drive(s) / /home/user/Music "},
      {{true, SizeCondition::Between, 5, 20, SizeUnit::KB, "*.jpg", {}},
       "Duplicates in between 5 KB and 20 KB matching *.jpg on drive(s) "},
  };
  for (const auto& c : cases) EXPECT_EQ(duplicatesReportTitle(c.settings), QString::fromUtf8(c.expected));
}

}  // namespace
}  // namespace tessaly
