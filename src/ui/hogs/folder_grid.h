#pragma once

#include <QPoint>
#include <optional>

#include "ui/grid/grid_view.h"

namespace tessaly {

class GridModel;

// The folder hogs grid: its own model of text rows, the window's column widths, and the data row
// the user last chose: by a click that ended where it began, or by moving the current row with
// the keyboard. A row made current any other way (the grid taking the focus after a scan) is no
// choice, so "Clean?" cannot reach a folder the user never picked.
class FolderGrid final : public GridView {
  Q_OBJECT

 public:
  explicit FolderGrid(QWidget* parent = nullptr);

  GridModel* model() const { return model_; }
  // The current data row when the user's last choice was a data row; none after a heading click
  // or a new listing.
  std::optional<int> chosenRow() const;
  void forgetChoice() { chosen_.reset(); }

 Q_SIGNALS:
  // A double click on a cell.
  void cellDoubleClicked();

 protected:
  void applyColumnWidths() override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  GridModel* model_;
  std::optional<QPoint> pressedAt_;
  std::optional<int> chosen_;  // -1: a click that hit no row
};

}  // namespace tessaly
