#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <vector>

#include "core/common/date_texts.h"
#include "core/common/text_routines.h"
#include "core/grid/grid_sort.h"
#include "support/scoped_locale.h"

namespace tessaly {
namespace {

// The locales of the checks: two that write digits of their own script (with Arabic
// separators), Indian grouping, the German swap of point and comma, and the plain C locale.
struct LocaleNumbers {
  const char* locale;
  QString millions;   // formatThousands(1234567)
  QString negative;   // formatThousands(-1234)
  QString gigabytes;  // formatThousandsFloat(3221225472.4)
  QString share;      // formatDecimals(1234.5, 2)
};

const LocaleNumbers kLocales[] = {
    {"ar_EG", QStringLiteral("1\u066C234\u066C567"), QStringLiteral("\u061C-1\u066C234"),
     QStringLiteral("3\u066C221\u066C225\u066C472"), QStringLiteral("1234\u066B50")},
    {"fa_IR", QStringLiteral("1\u066C234\u066C567"), QStringLiteral("\u200E\u22121\u066C234"),
     QStringLiteral("3\u066C221\u066C225\u066C472"), QStringLiteral("1234\u066B50")},
    {"en_IN", QStringLiteral("12,34,567"), QStringLiteral("-1,234"), QStringLiteral("3,22,12,25,472"),
     QStringLiteral("1234.50")},
    {"de_DE", QStringLiteral("1.234.567"), QStringLiteral("-1.234"), QStringLiteral("3.221.225.472"),
     QStringLiteral("1234,50")},
    // The C locale groups no digits, as POSIX defines it.
    {"C", QStringLiteral("1234567"), QStringLiteral("-1234"), QStringLiteral("3221225472"),
     QStringLiteral("1234.50")},
};

bool hasOtherScriptDigit(const QString& text) {
  for (QChar c : text) {
    if (c.isDigit() && (c < u'0' || c > u'9')) return true;
  }
  return false;
}

ResultRow rowOf(const QString& cell) {
  ResultRow row;
  row.cells = {cell};
  return row;
}

QStringList column(const ResultTable& grid, int c) {
  QStringList cells;
  for (const ResultRow& row : grid.rows) cells.append(row.cells.value(c));
  return cells;
}

TEST(LocaleNumbers, AreWrittenWithTheDigitsZeroToNineAndTheLocaleSeparators) {
  for (const LocaleNumbers& l : kLocales) {
    const testkit::ScopedLocale locale{QLocale(QString::fromLatin1(l.locale))};
    EXPECT_EQ(formatThousands(1234567), l.millions) << l.locale;
    EXPECT_EQ(formatThousands(-1234), l.negative) << l.locale;
    EXPECT_EQ(formatThousands(0), QStringLiteral("0")) << l.locale;
    EXPECT_EQ(formatThousandsFloat(3221225472.4), l.gigabytes) << l.locale;
    EXPECT_EQ(formatDecimals(1234.5, 2), l.share) << l.locale;
    EXPECT_FALSE(hasOtherScriptDigit(formatThousandsFloat(1.5e15))) << l.locale;
  }
}

TEST(LocaleNumbers, DatesAndTimesUseTheDigitsZeroToNineAndReadBack) {
  const QString savedFormat = shortDateFormat();
  const QDate date(2024, 3, 9);
  for (const LocaleNumbers& l : kLocales) {
    const testkit::ScopedLocale locale{QLocale(QString::fromLatin1(l.locale))};
    setShortDateFormat(fix2000(QLocale().dateFormat(QLocale::ShortFormat)));
    const QString shortText = shortDateText(date);
    EXPECT_FALSE(hasOtherScriptDigit(shortText)) << l.locale << " " << shortText.toStdString();
    EXPECT_TRUE(shortText.contains(QStringLiteral("2024"))) << l.locale;
    EXPECT_EQ(parseShortDate(shortText), date) << l.locale;
    EXPECT_EQ(dateSortKey(shortText), date.toJulianDay()) << l.locale;
    EXPECT_FALSE(hasOtherScriptDigit(longDateText(date))) << l.locale;
    const QString time = longTimeText(QTime(13, 4, 5));
    EXPECT_FALSE(hasOtherScriptDigit(time)) << l.locale;
    EXPECT_TRUE(time.contains(QStringLiteral("04"))) << l.locale;
  }
  setShortDateFormat(savedFormat);
}

TEST(LocaleNumbers, SortByNumberOrdersTheNumberTextsInEveryLocale) {
  struct Writer {
    const char* name;
    QString (*text)(double);
  };
  const Writer writers[] = {
      {"whole numbers", [](double v) { return formatThousands(qint64(v)); }},
      {"byte totals", [](double v) { return formatThousandsFloat(v); }},
      {"shares with decimals", [](double v) { return formatDecimals(v / 1000, 3); }},
      // Texts another program wrote with the locale's own digits read back too.
      {"native digits", [](double v) { return QLocale().toString(v / 1000, 'f', 3); }},
  };
  const double values[] = {10000, 7, 1234567, 0, 999, 5e9, 1000, 12345};
  for (const LocaleNumbers& l : kLocales) {
    const testkit::ScopedLocale locale{QLocale(QString::fromLatin1(l.locale))};
    for (const Writer& writer : writers) {
      for (bool descending : {false, true}) {
        ResultTable grid;
        for (double v : values) grid.rows.push_back(rowOf(writer.text(v)));
        std::vector<double> sorted(std::begin(values), std::end(values));
        std::sort(sorted.begin(), sorted.end());
        if (descending) std::reverse(sorted.begin(), sorted.end());
        QStringList expected;
        for (double v : sorted) expected.append(writer.text(v));
        sortGrid(grid, SortKey::Number, 0, descending);
        EXPECT_EQ(column(grid, 0), expected) << l.locale << ", " << writer.name << (descending ? ", descending" : "");
      }
    }
  }
}

TEST(WithLatinDigits, ReplacesTheDigitsOfEveryScriptAndKeepsTheRest) {
  const std::pair<QString, QString> cases[] = {
      {QStringLiteral("\u0661\u066C\u0662\u0663\u0664"), QStringLiteral("1\u066C234")},  // Arabic-Indic
      {QStringLiteral("\u06F1\u06F2\u06F3"), QStringLiteral("123")},                     // Persian
      {QStringLiteral("\u0967\u0968,\u0969"), QStringLiteral("12,3")},                   // Devanagari
      {QStringLiteral("\u09E7\u09E6 KB"), QStringLiteral("10 KB")},                      // Bengali
      {QStringLiteral("\U00011137\U00011136"), QStringLiteral("10")},                    // Chakma, beyond 16 bits
      {QStringLiteral("\U0001F600 x\u00B2 \u2460"), QStringLiteral("\U0001F600 x\u00B2 \u2460")},  // not decimal digits
      {QString(), QString()},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(withLatinDigits(text), expected) << text.toStdString();
}

}  // namespace
}  // namespace tessaly
