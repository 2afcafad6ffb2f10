#include "ui/grid/grid_model.h"

#include <utility>

namespace tessaly {

GridModel::GridModel(QObject* parent) : GridTableModel(parent) {}

void GridModel::resetTable(ResultTable table) {
  beginResetModel();
  table_ = std::move(table);
  endResetModel();
}

void GridModel::clearRows() {
  if (table_.rows.empty()) return;
  beginResetModel();
  table_.rows.clear();
  endResetModel();
}

void GridModel::appendRows(std::vector<ResultRow> rows) {
  if (rows.empty()) return;
  const int first = dataRowCount();
  beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
  table_.rows.insert(table_.rows.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
  endInsertRows();
}

void GridModel::appendRow(ResultRow row) {
  std::vector<ResultRow> batch;
  batch.push_back(std::move(row));
  appendRows(std::move(batch));
}

void GridModel::setCell(int row, int column, const QString& text) {
  if (row < 0 || row >= dataRowCount() || column < 0) return;
  QStringList& cells = table_.rows[size_t(row)].cells;
  while (cells.size() <= column) cells.append(QString());
  cells[column] = text;
  rowChanged(row);
}

void GridModel::setMarked(int row, bool marked) {
  if (row < 0 || row >= dataRowCount() || table_.rows[size_t(row)].marked == marked) return;
  table_.rows[size_t(row)].marked = marked;
  rowChanged(row);
}

void GridModel::setBoldRule(BoldRule rule) {
  if (!rule) {
    setBoldCells({});
    return;
  }
  setBoldCells([this, rule = std::move(rule)](int row, int column) { return rule(table_.rows[size_t(row)], column); });
}

}  // namespace tessaly
