#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace tessaly {

// A sorted pattern list shown in two columns: the pattern and its description.
class PatternLinesModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  const QStringList& lines() const { return lines_; }
  void setLines(QStringList lines);
  // Adds the line in its sorted place unless an equal line (any letter case) is there.
  bool addLine(const QString& line);
  void removeLines(QList<int> rows);
  void clear();

 private:
  QStringList lines_;
};

}  // namespace tessaly
