#include "core/inspect/shown_text.h"

namespace tessaly {
namespace {

constexpr char16_t kReplacementMark = 0xFFFD;
constexpr char16_t kControlMark = 0x00B7;  // middle dot
constexpr int kHexBytesPerLine = 16;
constexpr int kHexGroup = 8;

// The length of the valid UTF-8 sequence at the start of bytes and its code point, or 0.
int utf8Sequence(QByteArrayView bytes, qsizetype at, char32_t* codePoint) {
  const quint8 lead = quint8(bytes[at]);
  int length = 0;
  char32_t value = 0;
  char32_t lowest = 0;
  if (lead < 0x80) {
    *codePoint = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, lowest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, lowest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, lowest = 0x10000;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (int i = 1; i < length; ++i) {
    const quint8 next = quint8(bytes[at + i]);
    if ((next & 0xC0) != 0x80) return 0;
    value = value << 6 | (next & 0x3F);
  }
  // Overlong forms, surrogates and values past Unicode are not valid UTF-8.
  if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *codePoint = value;
  return length;
}

bool isControl(char32_t c) { return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0); }

}  // namespace

ShownText shownText(QByteArrayView bytes, const TextLook& look, bool withOffsets) {
  ShownText shown;
  shown.text.reserve(bytes.size());
  const auto add = [&](char16_t c, qsizetype from) {
    shown.text.append(QChar(c));
    if (withOffsets) shown.byteOfColumn.push_back(qint32(from));
  };
  for (qsizetype at = 0; at < bytes.size();) {
    char32_t c = 0;
    const int length = utf8Sequence(bytes, at, &c);
    if (length == 0) {
      add(kReplacementMark, at);
      ++at;
      continue;
    }
    if (c == '\t') {
      int width = 1;
      if (look.expandTabs) width = look.tabSize == 0 ? 0 : look.tabSize - int(shown.text.size() % look.tabSize);
      for (int i = 0; i < width; ++i) add(u' ', at);
    } else if (isControl(c)) {
      add(kControlMark, at);
    } else if (c > 0xFFFF) {
      add(QChar::highSurrogate(c), at);
      add(QChar::lowSurrogate(c), at);
    } else {
      add(char16_t(c), at);
    }
    at += length;
  }
  if (withOffsets) shown.byteOfColumn.push_back(qint32(bytes.size()));
  return shown;
}

QString hexLine(qint64 offset, QByteArrayView bytes, int offsetDigits) {
  static const char kDigits[] = "0123456789ABCDEF";
  QString line = QStringLiteral("%1  ").arg(offset, offsetDigits, 16, QLatin1Char('0')).toUpper();
  QString characters;
  for (int i = 0; i < kHexBytesPerLine; ++i) {
    if (i == kHexGroup) line += u' ';
    if (i < bytes.size()) {
      const quint8 byte = quint8(bytes[i]);
      line += QLatin1Char(kDigits[byte >> 4]);
      line += QLatin1Char(kDigits[byte & 0xF]);
      line += u' ';
      characters += byte >= 0x20 && byte < 0x7F ? QLatin1Char(char(byte)) : QLatin1Char('.');
    } else {
      line += QStringLiteral("   ");
    }
  }
  return line + u' ' + characters;
}

int hexColumnOf(int index, int offsetDigits) {
  return offsetDigits + 2 + 3 * index + (index >= kHexGroup ? 1 : 0);
}

int hexIndexOf(int column, int offsetDigits) {
  const int charactersStart = hexColumnOf(kHexBytesPerLine, offsetDigits) + 1;
  if (column >= charactersStart) return qMin(column - charactersStart, kHexBytesPerLine - 1);
  int index = 0;
  while (index + 1 < kHexBytesPerLine && hexColumnOf(index + 1, offsetDigits) <= column) ++index;
  return index;
}

}  // namespace tessaly
