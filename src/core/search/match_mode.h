#pragma once

#include <QStringList>
#include <array>
#include <span>

namespace tessaly {

// The items of "Duplicates matching on : ", in this order.
enum class MatchMode {
  FilenameOnly = 0,
  FilenameAndSize = 1,
  FilenameSizeAndDate = 2,
  SizeOnly = 3,
  SizeAndDate = 4,
  SizeAndType = 5,
  TypeAndDate = 6,
  SameContents = 7,  // equal bytes, proven by reading
};
inline constexpr int kMatchModeCount = 8;

QStringList matchModeItems();

// The fields of a file line.
enum class LineField { Filename, Size, Modified, Time, Access, Folder, Type };

// The file line of a mode: its fields in the order the collection is sorted by.
std::span<const LineField> lineFields(MatchMode mode);
// The fields whose equality makes a duplicate.
std::span<const LineField> keyFields(MatchMode mode);
// A row starts a new colour group when it differs from the row above in one of these.
std::span<const LineField> colourFields(MatchMode mode);

}  // namespace tessaly
