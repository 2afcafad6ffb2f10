#pragma once

#include <QString>
#include <optional>

namespace tessaly {

// The "CRC Value:" lines of the two sides.
struct ChecksumTexts {
  QString left;
  QString right;
};

// The checksum (fileCRC) of each side's file and the verdict on both sides. A side whose file
// is gone keeps an empty line. Equal checksums are said to be identical contents only after
// the bytes have been compared, since two different files can have equal sums of block
// checksums (the same blocks in another order); a side that cannot be read shows 0 and no
// verdict is given.
ChecksumTexts computeCRCValues(const std::optional<QString>& left, const std::optional<QString>& right);

// Whether the two files hold the same bytes; false when either cannot be read.
bool sameFileContents(const QString& left, const QString& right);

}  // namespace tessaly
