#pragma once

#include <QPoint>
#include <QTableView>
#include <optional>

namespace tessaly {

class GridTableModel;

// The table view of every result grid, set up for long lists: one fixed row height (the view
// never measures rows), no editing, whole-row selection. Column widths the user or the
// window sets are written back to the model's table, where the printed report reads them.
class GridView : public QTableView {
  Q_OBJECT

 public:
  explicit GridView(QWidget* parent = nullptr);

  void setGridModel(GridTableModel* model);
  GridTableModel* gridModel() const { return gridModel_; }

 Q_SIGNALS:
  // A click on a heading that ended where it began; a drag (a column being resized) is none.
  void headingClicked(int column);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The table's widths, after each new table.
  virtual void applyColumnWidths();

 private:
  GridTableModel* gridModel_ = nullptr;
  std::optional<QPoint> headingPressedAt_;
};

}  // namespace tessaly
