#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QStringList>

namespace tessaly {

// ListBox1 of the safe harbor window: the folder entries in their written form, unsorted,
// those that cover their sub-folders ("*.*") in bold.
class FolderEntriesModel final : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  const QStringList& entries() const { return entries_; }
  void setEntries(QStringList entries);
  void append(const QString& entry);
  void setEntry(int row, const QString& entry);
  void removeEntries(QList<int> rows);

 private:
  QStringList entries_;
};

}  // namespace tessaly
