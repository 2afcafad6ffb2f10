#include "core/common/text_routines.h"

#include <QLocale>
#include <cmath>

namespace tessaly {

QString formatThousands(qint64 value) { return QLocale().toString(value); }

QString formatThousandsFloat(double value) {
  if (!std::isfinite(value)) return {};
  const double rounded = std::round(value);
  if (std::fabs(rounded) >= 1e14) return QLocale().toString(value, 'E', 13);
  return QLocale().toString(rounded, 'f', 0);
}

QString keepDigits(const QString& text) {
  QString digits;
  for (QChar c : text) {
    if (isDigit(c)) digits += c;
  }
  return digits;
}

int safeStrToInt(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  return ok ? value : 0;
}

double safeStrToFloat(const QString& text) {
  bool ok = false;
  double value = QLocale().toDouble(text.trimmed(), &ok);
  if (!ok) value = text.trimmed().toDouble(&ok);
  return ok ? value : 0.0;
}

bool isLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isLetterOrDigit(QChar c) { return isLetter(c) || isDigit(c); }
bool isBlankChar(QChar c) { return c == u' ' || c == u'\r' || c == u'\n' || c == QChar(8); }

bool isBlankText(const QString& text) {
  for (QChar c : text) {
    if (!isBlankChar(c)) return false;
  }
  return true;
}

QString joinPath(const QString& folder, const QString& name) {
  if (folder.endsWith(u'/')) return folder + name;
  return folder + u'/' + name;
}

QString settingsKeyPath() { return QStringLiteral("Software\\Quornel Corporation\\Tessaly\\3.0"); }

}  // namespace tessaly
