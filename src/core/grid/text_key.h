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

// The first 24 bytes of a text's key as three big-endian words, zero-padded, and the key's
// whole length in bytes. Two texts whose keys fit in 24 bytes are ordered by these alone.
inline constexpr size_t kKeyHeadWords = 3;
inline constexpr quint32 kKeyHeadBytes = kKeyHeadWords * sizeof(quint64);
struct TextKeyHead {
  std::array<quint64, kKeyHeadWords> words{};
  quint32 length = 0;
};
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
