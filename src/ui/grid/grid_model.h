#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QIcon>
#include <functional>
#include <vector>

#include "core/grid/grid_sort.h"
#include "core/grid/result_table.h"

namespace tessaly {

// The model of every result grid: a thin view of one ResultTable. The heading row is the
// horizontal header; each data row is one model row. Rows are added in batches so a search
// that finds a million files costs one insertion per batch, not one per file.
class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Role { MarkedRole = Qt::UserRole + 1, ShadedRole };
  // Whether a cell is drawn bold (the windows' protected paths).
  using BoldRule = std::function<bool(const ResultRow& row, int column)>;

  static constexpr QRgb kShadedBackground = 0xDFDFDF;  // RGB(223, 223, 223)

  explicit GridModel(QObject* parent = nullptr);

  const ResultTable& table() const { return table_; }
  const ResultRow& row(int index) const { return table_.rows[size_t(index)]; }
  int dataRowCount() const { return int(table_.rows.size()); }

  // A new grid: headings, layout and rows at once.
  void resetTable(ResultTable table);
  void clearRows();
  void appendRows(std::vector<ResultRow> rows);
  void appendRow(ResultRow row);

  void setMarked(int row, bool marked);
  // The column whose cells show the mark picture of marked rows.
  void setMarkColumn(int column, const QIcon& markPicture);
  // Group shading is switched off while a window exports or in modes without groups.
  void setShadingShown(bool shown);
  void setBoldRule(BoldRule rule);
  // Repaints the bold cells after the rule's answers changed.
  void refreshBold();

  // Remembered for printed reports; the view reports every resize here.
  void setColumnWidth(int column, int pixels) { table_.setWidth(column, pixels); }

  // Sorts the rows in place; selections stay on their row numbers as they do in the grid.
  void sortRows(SortKey key, int column, bool descending);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  void rowChanged(int row);
  void allCellsChanged(int role);

  ResultTable table_;
  BoldRule boldRule_;
  bool shadingShown_ = true;
  int markColumn_ = -1;
  QIcon markPicture_;
};

}  // namespace tessaly
