#pragma once

#include <QTableView>

namespace tessaly {

class GridModel;

// The table view of every result grid, set up for long lists: one fixed row height (the view
// never measures rows), no editing, whole-row selection. Column widths the user or the
// window sets are written back to the model's table, where the printed report reads them.
class GridView : public QTableView {
  Q_OBJECT

 public:
  explicit GridView(QWidget* parent = nullptr);

  void setGridModel(GridModel* model);
  GridModel* gridModel() const { return gridModel_; }

 private:
  void applyColumnWidths();

  GridModel* gridModel_ = nullptr;
};

}  // namespace tessaly
