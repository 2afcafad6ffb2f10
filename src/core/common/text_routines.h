#pragma once

#include <QString>

namespace tessaly {

// Numbers as the user sees them: the locale's thousands separator, no decimals.
QString formatThousands(qint64 value);
// 14 significant digits; larger integer parts come out in scientific notation.
QString formatThousandsFloat(double value);

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
