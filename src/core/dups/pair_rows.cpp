#include "core/dups/pair_rows.h"

#include "core/grid/stamp_texts.h"
#include "core/search/file_collection.h"

namespace tessaly {
namespace {

bool sameField(const FoundFiles& files, const FoundFile& a, const FoundFile& b, LineField field) {
  switch (field) {
    case LineField::Filename: return compareKeyText(a.name, b.name) == 0;
    case LineField::Size: return a.size == b.size;
    case LineField::Modified: return dateKey(a.writeStamp) == dateKey(b.writeStamp);
    case LineField::Time: return timeKey(a.writeStamp) == timeKey(b.writeStamp);
    case LineField::Access: return dateKey(a.accessStamp) == dateKey(b.accessStamp);
    case LineField::Folder: return files.folderText(a) == files.folderText(b);
    case LineField::Type: return compareKeyText(files.typeText(a), files.typeText(b)) == 0;
  }
  return false;
}

}  // namespace

bool qPairMatches(const FileTable& table, qsizetype row, MatchMode mode) {
  if (row < 0 || row + 1 >= table.rowCount()) return false;
  const FoundFile* upper = table.fileOf(row);
  const FoundFile* lower = table.fileOf(row + 1);
  if (!upper || !lower) return false;
  for (LineField field : keyFields(mode)) {
    if (!sameField(table.files(), *upper, *lower, field)) return false;
  }
  return true;
}

std::optional<qsizetype> GetNextDupRow(const FileTable& table, qsizetype current, MatchMode mode) {
  for (qsizetype row = current + 1; row + 1 < table.rowCount(); ++row) {
    if (qPairMatches(table, row, mode)) return row;
  }
  return std::nullopt;
}

std::optional<qsizetype> GetPrevDupRow(const FileTable& table, qsizetype current, MatchMode mode) {
  if (current <= 0) return std::nullopt;
  qsizetype row = current - 1;
  while (row > 0 && !qPairMatches(table, row, mode)) --row;
  return row;
}

qsizetype firstPairRow(const FileTable& table, qsizetype current) {
  const qsizetype last = table.rowCount() - 1;
  if (current < last) return qMax<qsizetype>(current, 0);
  return qMax<qsizetype>(last - 1, 0);
}

}  // namespace tessaly
