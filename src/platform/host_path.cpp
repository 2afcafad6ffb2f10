#include "platform/host_path.h"

#include <cerrno>

namespace tessaly::platform {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;    // U+DC00 + byte for a byte that is not UTF-8
constexpr char16_t kFirstEscape = 0xDC80;   // bytes below 0x80 are always ASCII
constexpr char16_t kLastEscape = 0xDCFF;
constexpr char16_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }
bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
bool isEscape(char16_t unit) { return unit >= kFirstEscape && unit <= kLastEscape; }

// The length of the well-formed UTF-8 sequence at bytes (overlong forms, surrogates and
// code points above U+10FFFF are not well formed), or 0.
int sequenceLength(const unsigned char* bytes, qsizetype left) {
  const unsigned char lead = bytes[0];
  if (lead < 0x80) return 1;
  int length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (left < length || bytes[1] < low || bytes[1] > high) return 0;
  for (int i = 2; i < length; ++i) {
    if (!isContinuation(bytes[i])) return 0;
  }
  return length;
}

char32_t codePointOf(const unsigned char* bytes, int length) {
  switch (length) {
    case 1: return bytes[0];
    case 2: return char32_t(bytes[0] & 0x1F) << 6 | (bytes[1] & 0x3F);
    case 3: return char32_t(bytes[0] & 0x0F) << 12 | char32_t(bytes[1] & 0x3F) << 6 | (bytes[2] & 0x3F);
    default:
      return char32_t(bytes[0] & 0x07) << 18 | char32_t(bytes[1] & 0x3F) << 12 | char32_t(bytes[2] & 0x3F) << 6 |
             (bytes[3] & 0x3F);
  }
}

void appendUtf8(QByteArray& out, char32_t code) {
  if (code < 0x80) {
    out.append(char(code));
  } else if (code < 0x800) {
    out.append(char(0xC0 | (code >> 6)));
    out.append(char(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.append(char(0xE0 | (code >> 12)));
    out.append(char(0x80 | ((code >> 6) & 0x3F)));
    out.append(char(0x80 | (code & 0x3F)));
  } else {
    out.append(char(0xF0 | (code >> 18)));
    out.append(char(0x80 | ((code >> 12) & 0x3F)));
    out.append(char(0x80 | ((code >> 6) & 0x3F)));
    out.append(char(0x80 | (code & 0x3F)));
  }
}

}  // namespace

void decodePathInto(const char* bytes, qsizetype length, QString* into) {
  const auto* in = reinterpret_cast<const unsigned char*>(bytes);
  // Most names are ASCII: copied into the storage the string already has.
  qsizetype ascii = 0;
  while (ascii < length && in[ascii] < 0x80) ++ascii;
  into->resize(ascii);
  QChar* out = into->data();
  for (qsizetype i = 0; i < ascii; ++i) out[i] = QChar(char16_t(in[i]));
  for (qsizetype at = ascii; at < length;) {
    const int sequence = sequenceLength(in + at, length - at);
    if (sequence == 0) {
      into->append(QChar(char16_t(kEscapeBase + in[at])));
      ++at;
      continue;
    }
    const char32_t code = codePointOf(in + at, sequence);
    if (code >= 0x10000) {
      into->append(QChar(QChar::highSurrogate(code)));
      into->append(QChar(QChar::lowSurrogate(code)));
    } else {
      into->append(QChar(char16_t(code)));
    }
    at += sequence;
  }
}

QString decodePath(const char* bytes, qsizetype length) {
  QString path;
  decodePathInto(bytes, length, &path);
  return path;
}

QString decodePath(const QByteArray& bytes) { return decodePath(bytes.constData(), bytes.size()); }

QByteArray encodePath(const QString& path) {
  QByteArray out;
  out.reserve(path.size());
  const qsizetype size = path.size();
  for (qsizetype i = 0; i < size; ++i) {
    const char16_t unit = path[i].unicode();
    if (isHighSurrogate(unit) && i + 1 < size && isLowSurrogate(path[i + 1].unicode())) {
      appendUtf8(out, QChar::surrogateToUcs4(unit, path[++i].unicode()));
    } else if (isEscape(unit)) {
      out.append(char(unit - kEscapeBase));
    } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
      appendUtf8(out, kReplacement);
    } else {
      appendUtf8(out, unit);
    }
  }
  return out;
}

bool hasRawBytes(const QString& path) {
  for (qsizetype i = 0; i < path.size(); ++i) {
    const char16_t unit = path[i].unicode();
    if (isHighSurrogate(unit) && i + 1 < path.size() && isLowSurrogate(path[i + 1].unicode())) ++i;  // a pair
    else if (isEscape(unit)) return true;
  }
  return false;
}

QString displayPath(const QString& path) {
  if (!hasRawBytes(path)) return path;
  QString shown;
  shown.reserve(path.size() + 8);
  for (qsizetype i = 0; i < path.size(); ++i) {
    const char16_t unit = path[i].unicode();
    if (isHighSurrogate(unit) && i + 1 < path.size() && isLowSurrogate(path[i + 1].unicode())) {
      shown.append(path[i]);
      shown.append(path[++i]);
    } else if (isEscape(unit)) {
      shown.append(QStringLiteral("\\x") + QString::number(unit - kEscapeBase, 16).toUpper());
    } else {
      shown.append(path[i]);
    }
  }
  return shown;
}

QString systemErrorText(int errorNumber) { return qt_error_string(errorNumber); }

bool isOutOfSpace(int errorNumber) { return errorNumber == ENOSPC || errorNumber == EDQUOT || errorNumber == EFBIG; }

}  // namespace tessaly::platform
