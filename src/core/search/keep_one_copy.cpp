#include "core/search/keep_one_copy.h"

#include <QDir>
#include <optional>

#include "core/grid/stamp_texts.h"

namespace tessaly {
namespace {

struct RowRange {
  qsizetype first = 0;
  qsizetype end = 0;
};

template <typename Use>
void forEachGroup(const FileTable& table, const std::vector<quint32>& groupStarts, Use use) {
  for (size_t g = 0; g < groupStarts.size(); ++g) {
    const qsizetype end = g + 1 < groupStarts.size() ? qsizetype(groupStarts[g + 1]) : table.rowCount();
    use(RowRange{qsizetype(groupStarts[g]), end});
  }
}

// Orders write stamps by the date and time the grid shows.
quint64 writeOrder(const FoundFile& file) {
  return (quint64(dateKey(file.writeStamp)) << 32) | timeKey(file.writeStamp);
}

bool inside(const QString& folder, const QString& chosen) {
  if (chosen == QStringLiteral("/") || folder == chosen) return true;
  return folder.startsWith(chosen) && folder.at(chosen.size()) == u'/';
}

std::optional<qsizetype> keptRow(const FileTable& table, RowRange group, const KeepChoice& keep) {
  std::optional<qsizetype> kept;
  for (qsizetype row = group.first; row < group.end; ++row) {
    const FoundFile* file = table.fileOf(row);
    if (!file) continue;
    const FoundFile* best = kept ? table.fileOf(*kept) : nullptr;
    switch (keep.rule) {
      case KeepRule::FirstListed: return row;
      case KeepRule::InFolder:
        if (inside(table.files().folderText(*file), keep.folder)) return row;
        break;
      case KeepRule::Newest:
        if (!best || writeOrder(*file) > writeOrder(*best)) kept = row;
        break;
      case KeepRule::Oldest:
        if (!best || writeOrder(*file) < writeOrder(*best)) kept = row;
        break;
    }
  }
  return kept;
}

}  // namespace

std::vector<qsizetype> rowsToMarkKeepingOne(const FileTable& table, const std::vector<quint32>& groupStarts,
                                            const KeepChoice& keep) {
  KeepChoice cleaned = keep;
  if (keep.rule == KeepRule::InFolder) cleaned.folder = QDir::cleanPath(keep.folder);
  std::vector<qsizetype> marked;
  forEachGroup(table, groupStarts, [&](RowRange group) {
    const std::optional<qsizetype> kept = keptRow(table, group, cleaned);
    if (!kept) return;
    for (qsizetype row = group.first; row < group.end; ++row) {
      if (row != *kept && table.fileOf(row)) marked.push_back(row);
    }
  });
  return marked;
}

std::vector<CopyGroup> copyGroupsWithMarks(const FileTable& table, const std::vector<quint32>& groupStarts,
                                           const std::function<bool(const QString& path)>& isMarked) {
  std::vector<CopyGroup> groups;
  forEachGroup(table, groupStarts, [&](RowRange group) {
    CopyGroup copies;
    bool anyMarked = false;
    for (qsizetype row = group.first; row < group.end; ++row) {
      const FoundFile* file = table.fileOf(row);
      if (!file) continue;
      copies.push_back(ListedCopy{table.filePath(row), file->size});
      anyMarked = anyMarked || isMarked(copies.back().path);
    }
    if (anyMarked) groups.push_back(std::move(copies));
  });
  return groups;
}

}  // namespace tessaly
