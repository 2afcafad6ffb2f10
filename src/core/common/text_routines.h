#pragma once

#include <QString>

namespace tessaly {

// Numbers as the user sees them: the digits 0-9 with the locale's separators (its grouping,
// decimal point and signs), so every number reads back in any locale, also where the locale
// writes digits of its own script.
// The locale's thousands separator, no decimals.
QString formatThousands(qint64 value);
// 14 significant digits; larger integer parts come out in scientific notation.
QString formatThousandsFloat(double value);
// A fixed number of decimals, without thousands separators (shares such as 12.50).
QString formatDecimals(double value, int decimals);
// The text with every decimal digit of any script (Arabic-Indic, Persian, Devanagari, ...)
// replaced by its digit 0-9.
QString withLatinDigits(const QString& text);

QString keepDigits(const QString& text);
// 0 when the text does not parse.
int safeStrToInt(const QString& text);
double safeStrToFloat(const QString& text);

bool isLetter(QChar c);  // A-Z, a-z only
bool isDigit(QChar c);   // 0-9 only
bool isLetterOrDigit(QChar c);
bool isBlankChar(QChar c);  // blank, CR, LF, backspace
bool isBlankText(const QString& text);

// folder + "/" + name, without doubling a trailing separator.
QString joinPath(const QString& folder, const QString& name);

// The settings key below the per-user hive.
QString settingsKeyPath();

}  // namespace tessaly
