#pragma once

#include <functional>
#include <vector>

#include "core/grid/result_table.h"
#include "ui/grid/grid_table_model.h"

namespace tessaly {

// The model of a grid of texts (folder hogs' lines). Rows are added in batches so a long list
// costs one insertion per batch, not one per line.
class GridModel : public GridTableModel {
  Q_OBJECT

 public:
  using BoldRule = std::function<bool(const ResultRow& row, int column)>;

  explicit GridModel(QObject* parent = nullptr);

  const ResultTable& table() const override { return table_; }
  const ResultRow& row(int index) const { return table_.rows[size_t(index)]; }

  // A new grid: headings, layout and rows at once.
  void resetTable(ResultTable table);
  void clearRows();
  void appendRows(std::vector<ResultRow> rows);
  void appendRow(ResultRow row);

  // Replaces one cell's text (folder hogs labels a cleaned folder's row).
  void setCell(int row, int column, const QString& text);
  // A row's own mark.
  void setMarked(int row, bool marked);
  void setBoldRule(BoldRule rule);

 protected:
  GridTable& mutableTable() override { return table_; }
  bool isMarked(int row) const override { return table_.rows[size_t(row)].marked; }

 private:
  ResultTable table_;
};

}  // namespace tessaly
