#include "ui/lists/pattern_lines_model.h"

#include <algorithm>

#include "core/safeharbor/folder_entries.h"

namespace tessaly {

int PatternLinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(lines_.size()); }

int PatternLinesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant PatternLinesModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  const QString& line = lines_[index.row()];
  const qsizetype tab = line.indexOf(u'\t');
  if (index.column() == 0) return tab < 0 ? line : line.left(tab);
  return tab < 0 ? QString() : line.mid(tab + 1);
}

QVariant PatternLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return section == 0 ? QStringLiteral("Extension") : QStringLiteral("Description");
}

void PatternLinesModel::setLines(QStringList lines) {
  beginResetModel();
  sortEntries(lines);
  lines_ = std::move(lines);
  endResetModel();
}

bool PatternLinesModel::addLine(const QString& line) {
  if (lines_.contains(line, Qt::CaseInsensitive)) return false;
  const int row = int(std::lower_bound(lines_.cbegin(), lines_.cend(), line, entrySortsBefore) - lines_.cbegin());
  beginInsertRows({}, row, row);
  lines_.insert(row, line);
  endInsertRows();
  return true;
}

void PatternLinesModel::removeLines(QList<int> rows) {
  std::sort(rows.begin(), rows.end(), std::greater<>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  // From the last line to the first, so the rows still to go keep their numbers.
  for (int row : rows) {
    beginRemoveRows({}, row, row);
    lines_.removeAt(row);
    endRemoveRows();
  }
}

void PatternLinesModel::clear() { setLines({}); }

}  // namespace tessaly
