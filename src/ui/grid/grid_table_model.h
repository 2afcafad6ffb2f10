#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <functional>

#include "core/grid/grid_table.h"

namespace tessaly {

// The model of a result grid: a thin view of one GridTable. The heading row is the horizontal
// header; each data row is one model row, and its texts come from the table only when the view
// asks for them, so a million rows cost no more to show than fifty.
class GridTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Role { MarkedRole = Qt::UserRole + 1, ShadedRole };
  // Whether a cell is drawn bold (the windows' protected paths).
  using CellRule = std::function<bool(int row, int column)>;

  static constexpr QRgb kShadedBackground = 0xDFDFDF;  // RGB(223, 223, 223)

  virtual const GridTable& table() const = 0;
  int dataRowCount() const { return int(table().rowCount()); }

  // The column whose cells show the mark picture of marked rows.
  void setMarkColumn(int column, const QIcon& markPicture);
  int markColumn() const { return markColumn_; }
  // Group shading is switched off while a window exports or in modes without groups.
  void setShadingShown(bool shown);
  void setBoldCells(CellRule rule);
  // Repaints the bold cells after the rule's answers changed.
  void refreshBold();
  // Repaints the marks after they changed.
  void refreshMarks();

  // Remembered for printed reports; the view reports every resize here.
  void setColumnWidth(int column, int pixels) { mutableTable().setWidth(column, pixels); }

  // Sorts the rows in place; selections stay on their row numbers as they do in the grid.
  void sortRows(SortKey key, int column, bool descending);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 protected:
  explicit GridTableModel(QObject* parent);

  virtual GridTable& mutableTable() = 0;
  virtual bool isMarked(int row) const = 0;
  void rowChanged(int row);
  void allCellsChanged(const QList<int>& roles);

 private:
  CellRule boldRule_;
  bool shadingShown_ = true;
  int markColumn_ = -1;
  QIcon markPicture_;
};

}  // namespace tessaly
