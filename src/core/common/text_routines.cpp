#include "core/common/text_routines.h"

#include <QLocale>
#include <cmath>

namespace tessaly {

namespace {

// Integer parts from this size on are written in scientific notation.
constexpr double kScientificFrom = 1e14;
constexpr int kScientificDecimals = 13;  // 14 significant digits

}  // namespace

QString withLatinDigits(const QString& text) {
  QString result;
  result.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.unicode() < 0x80) {
      result += c;
      continue;
    }
    // Some scripts' digits lie beyond the 16-bit range and come as surrogate pairs.
    const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    const char32_t code = pair ? QChar::surrogateToUcs4(c, text[i + 1]) : c.unicode();
    if (QChar::isDigit(code)) {
      result += QChar(u'0' + QChar::digitValue(code));
    } else {
      result += c;
      if (pair) result += text[i + 1];
    }
    if (pair) ++i;
  }
  return result;
}

QString formatThousands(qint64 value) { return withLatinDigits(QLocale().toString(value)); }

QString formatThousandsFloat(double value) {
  if (!std::isfinite(value)) return {};
  const double rounded = std::round(value);
  if (std::fabs(rounded) >= kScientificFrom) return withLatinDigits(QLocale().toString(value, 'E', kScientificDecimals));
  return withLatinDigits(QLocale().toString(rounded, 'f', 0));
}

QString formatDecimals(double value, int decimals) {
  QLocale locale;
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  return withLatinDigits(locale.toString(value, 'f', decimals));
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
