#pragma once

#include <QStringView>
#include <array>
#include <string>

namespace tessaly {

// The key of the text sort rule: the text's characters as UTF-8 bytes, with only the letters
// a-z upper-cased, compared as unsigned bytes, a text that is a prefix of another first. That
// is the order of the characters' code points. A lone surrogate (a raw byte of a file name that
// is not UTF-8) counts as a code point of its own value, so such names still sort apart.
std::string textSortKey(QStringView text);
void appendTextKey(QStringView text, std::string& key);

// The first 16 bytes of a text's key as two big-endian words, zero-padded, and the key's
// whole length in bytes. Two texts whose keys fit in 16 bytes are ordered by these alone.
struct TextKeyHead {
  quint64 head = 0;
  quint64 next = 0;
  quint32 length = 0;
};
inline constexpr quint32 kKeyHeadBytes = 16;
TextKeyHead textKeyHead(QStringView text);

// A text given as up to three pieces read one after the other (a folder, a separator, a file
// name), so a path is compared without being joined first.
struct TextPieces {
  std::array<QStringView, 3> parts;
  int count = 0;
};
// <0, 0 or >0 as the keys of the two texts compare.
int compareTextKeys(const TextPieces& a, const TextPieces& b);
inline int compareTextKeys(QStringView a, QStringView b) { return compareTextKeys(TextPieces{{a}, 1}, TextPieces{{b}, 1}); }

}  // namespace tessaly
