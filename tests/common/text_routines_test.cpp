#include <gtest/gtest.h>

#include "core/common/text_routines.h"

using namespace tessaly;

TEST(FormatThousands, GroupsDigitsWithTheLocaleSeparator) {
  const std::pair<qint64, const char*> cases[] = {
      {0, "0"}, {999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"}, {-1234, "-1,234"},
      {5'000'000'000LL, "5,000,000,000"}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(formatThousands(value), QString::fromLatin1(expected)) << value;
}

TEST(FormatThousandsFloat, RoundsToWholeNumbersAndGoesScientificPastFourteenDigits) {
  EXPECT_EQ(formatThousandsFloat(0.0), QStringLiteral("0"));
  EXPECT_EQ(formatThousandsFloat(1234.6), QStringLiteral("1,235"));
  EXPECT_EQ(formatThousandsFloat(3221225472.0), QStringLiteral("3,221,225,472"));
  EXPECT_EQ(formatThousandsFloat(99999999999999.0), QStringLiteral("99,999,999,999,999"));
  EXPECT_TRUE(formatThousandsFloat(123456789012345678.0).contains(u'E'));
  EXPECT_EQ(formatThousandsFloat(std::numeric_limits<double>::quiet_NaN()), QString());
}

TEST(TolerantConversions, GiveZeroForTextThatDoesNotParse) {
  EXPECT_EQ(keepDigits(QStringLiteral("1,234 bytes")), QStringLiteral("1234"));
  EXPECT_EQ(safeStrToInt(QStringLiteral("42")), 42);
  EXPECT_EQ(safeStrToInt(QStringLiteral("4x2")), 0);
  EXPECT_EQ(safeStrToInt(QString()), 0);
  EXPECT_DOUBLE_EQ(safeStrToFloat(QStringLiteral("2.5")), 2.5);
  EXPECT_DOUBLE_EQ(safeStrToFloat(QStringLiteral("abc")), 0.0);
}

TEST(CharacterClasses, FollowTheAsciiRules) {
  EXPECT_TRUE(isLetter(u'a'));
  EXPECT_FALSE(isLetter(QChar(0xE9)));  // accented letters are not letters here
  EXPECT_TRUE(isDigit(u'7'));
  EXPECT_TRUE(isBlankChar(QChar(8)));
  EXPECT_TRUE(isBlankText(QString()));
  EXPECT_TRUE(isBlankText(QStringLiteral(" \r\n")));
  EXPECT_FALSE(isBlankText(QStringLiteral(" x ")));
}

TEST(JoinPath, AddsOneSeparator) {
  EXPECT_EQ(joinPath(QStringLiteral("/"), QStringLiteral("a.txt")), QStringLiteral("/a.txt"));
  EXPECT_EQ(joinPath(QStringLiteral("/tmp"), QStringLiteral("a.txt")), QStringLiteral("/tmp/a.txt"));
  EXPECT_EQ(joinPath(QStringLiteral("/tmp/"), QStringLiteral("a.txt")), QStringLiteral("/tmp/a.txt"));
}
