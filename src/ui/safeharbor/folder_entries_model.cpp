#include "ui/safeharbor/folder_entries_model.h"

#include <QFont>
#include <algorithm>

#include "core/safeharbor/folder_entries.h"

namespace tessaly {

int FolderEntriesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(entries_.size()); }

QVariant FolderEntriesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const QString& entry = entries_[index.row()];
  if (role == Qt::DisplayRole) return entry;
  if (role == Qt::FontRole && coversSubFolders(entry)) {
    QFont bold;
    bold.setBold(true);
    return bold;
  }
  return {};
}

void FolderEntriesModel::setEntries(QStringList entries) {
  beginResetModel();
  entries_ = std::move(entries);
  endResetModel();
}

void FolderEntriesModel::append(const QString& entry) {
  const int row = int(entries_.size());
  beginInsertRows({}, row, row);
  entries_.append(entry);
  endInsertRows();
}

void FolderEntriesModel::setEntry(int row, const QString& entry) {
  entries_[row] = entry;
  Q_EMIT dataChanged(index(row), index(row));
}

void FolderEntriesModel::removeEntries(QList<int> rows) {
  std::sort(rows.begin(), rows.end(), std::greater<>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (int row : rows) {
    beginRemoveRows({}, row, row);
    entries_.removeAt(row);
    endRemoveRows();
  }
}

}  // namespace tessaly
