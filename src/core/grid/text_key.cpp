#include "core/grid/text_key.h"

#include <algorithm>

namespace tessaly {
namespace {

constexpr char32_t kEnd = 0xFFFFFFFF;

char32_t folded(char32_t point) { return point >= U'a' && point <= U'z' ? point - (U'a' - U'A') : point; }

// The code points of a text, a-z upper-cased; a surrogate pair is one point even when it is
// split between two pieces.
class KeyPoints {
 public:
  explicit KeyPoints(const TextPieces& text) : text_(text) { skipEmptyParts(); }

  char32_t next() {
    if (part_ >= text_.count) return kEnd;
    const char16_t unit = take();
    if (QChar::isHighSurrogate(unit) && part_ < text_.count) {
      const char16_t low = text_.parts[size_t(part_)][at_].unicode();
      if (QChar::isLowSurrogate(low)) {
        take();
        return QChar::surrogateToUcs4(unit, low);
      }
    }
    return folded(unit);
  }

 private:
  char16_t take() {
    const char16_t unit = text_.parts[size_t(part_)][at_].unicode();
    ++at_;
    skipEmptyParts();
    return unit;
  }
  void skipEmptyParts() {
    while (part_ < text_.count && at_ >= text_.parts[size_t(part_)].size()) {
      ++part_;
      at_ = 0;
    }
  }

  const TextPieces text_;
  int part_ = 0;
  qsizetype at_ = 0;
};

// The UTF-8 bytes of one code point, handed to put one by one.
template <typename Put>
void encode(char32_t point, Put put) {
  if (point < 0x80) {
    put(quint8(point));
  } else if (point < 0x800) {
    put(quint8(0xC0 | point >> 6));
    put(quint8(0x80 | (point & 0x3F)));
  } else if (point < 0x10000) {
    put(quint8(0xE0 | point >> 12));
    put(quint8(0x80 | (point >> 6 & 0x3F)));
    put(quint8(0x80 | (point & 0x3F)));
  } else {
    put(quint8(0xF0 | point >> 18));
    put(quint8(0x80 | (point >> 12 & 0x3F)));
    put(quint8(0x80 | (point >> 6 & 0x3F)));
    put(quint8(0x80 | (point & 0x3F)));
  }
}

template <typename Put>
void encodeText(QStringView text, Put put) {
  KeyPoints points(TextPieces{{text}, 1});
  for (char32_t point = points.next(); point != kEnd; point = points.next()) encode(point, put);
}

}  // namespace

void appendTextKey(QStringView text, std::string& key) {
  encodeText(text, [&key](quint8 byte) { key += char(byte); });
}

std::string textSortKey(QStringView text) {
  std::string key;
  key.reserve(size_t(text.size()));
  appendTextKey(text, key);
  return key;
}

TextKeyHead textKeyHead(QStringView text) {
  TextKeyHead result;
  const auto put = [&result](quint8 byte) {
    constexpr quint32 kBitsPerByte = 8;
    constexpr quint32 kHighByteShift = 56;
    if (result.length < kKeyHeadBytes) {
      const quint32 inWord = result.length % sizeof(quint64);
      result.words[result.length / sizeof(quint64)] |= quint64(byte) << (kHighByteShift - kBitsPerByte * inWord);
    }
    ++result.length;
  };
  // Most names are ASCII, whose key is one byte a character: only the head needs encoding.
  const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
  if (!ascii) {
    encodeText(text, put);
    return result;
  }
  for (qsizetype i = 0; i < text.size() && i < qsizetype(kKeyHeadBytes); ++i) put(quint8(folded(text[i].unicode())));
  result.length = quint32(text.size());
  return result;
}

int compareTextKeys(const TextPieces& a, const TextPieces& b) {
  KeyPoints left(a);
  KeyPoints right(b);
  for (;;) {
    const char32_t x = left.next();
    const char32_t y = right.next();
    // A text that ends first is a prefix of the other and sorts first.
    if (x == kEnd || y == kEnd) return x == y ? 0 : (x == kEnd ? -1 : 1);
    if (x != y) return x < y ? -1 : 1;
  }
}

}  // namespace tessaly
