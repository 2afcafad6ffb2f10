#pragma once

#include <QByteArrayView>
#include <QString>
#include <vector>

namespace tessaly {

// How a line's bytes show. UTF-8 shows as itself; each byte that is not part of valid UTF-8
// shows as the replacement mark, and each control character as a middle dot, so a binary
// file stays readable. Tabs go to the next tab stop when expanded, otherwise show as a blank.
struct TextLook {
  bool expandTabs = true;
  int tabSize = 8;
};

struct ShownText {
  QString text;
  // For each column of the text, the offset in the bytes where its character begins, and the
  // number of bytes as the last entry (filled only when asked for).
  std::vector<qint32> byteOfColumn;
};

ShownText shownText(QByteArrayView bytes, const TextLook& look, bool withOffsets = false);

// One line of the hexadecimal view: the offset in offsetDigits hexadecimal digits, two blanks,
// up to 16 bytes as two digits and a blank each (one more blank after the eighth), a blank
// and the bytes as characters (a dot for anything but printable ASCII).
QString hexLine(qint64 offset, QByteArrayView bytes, int offsetDigits);
// The column where the byte at index (0 to 15) of a hexadecimal line shows its digits.
int hexColumnOf(int index, int offsetDigits);
// The byte index (0 to 15) a column of a hexadecimal line shows, the nearest one outside.
int hexIndexOf(int column, int offsetDigits);

}  // namespace tessaly
