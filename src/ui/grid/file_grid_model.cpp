#include "ui/grid/file_grid_model.h"

#include <utility>

namespace tessaly {

FileGridModel::FileGridModel(const MarkedFiles& marks, QObject* parent) : GridTableModel(parent), marks_(marks) {}

void FileGridModel::resetTable(FileTable table) {
  beginResetModel();
  table_ = std::move(table);
  endResetModel();
}

void FileGridModel::clearRows() {
  if (table_.rows.empty()) return;
  beginResetModel();
  table_.rows.clear();
  endResetModel();
}

bool FileGridModel::isMarked(int row) const {
  // Forming the path costs a little; only painted rows ask, and none while nothing is marked.
  return !marks_.isEmpty() && marks_.contains(table_.filePath(row));
}

}  // namespace tessaly
