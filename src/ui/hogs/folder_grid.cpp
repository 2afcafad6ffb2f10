#include "ui/hogs/folder_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "core/grid/result_table.h"
#include "ui/grid/grid_model.h"
#include "ui/grid/window_sizing.h"

namespace tessaly {
namespace {

// Size, % Used, # Files, # Sub-folders and Latest File Access; the Name column takes the rest.
const std::vector<int> kDesignWidths = {80, 40, 40, 70, 90, FileColumn::kRestOfWidth};
const QString kWidestShare = QStringLiteral("100.00");

constexpr int kNoRow = -1;

}  // namespace

FolderGrid::FolderGrid(QWidget* parent) : GridView(parent), model_(new GridModel(this)) {
  setGridModel(model_);
  connect(this, &GridView::headingClicked, this, [this] { chosen_.reset(); });
}

std::optional<int> FolderGrid::chosenRow() const {
  const QModelIndex current = currentIndex();
  if (!chosen_ || *chosen_ == kNoRow || !current.isValid() || current.row() != *chosen_) return std::nullopt;
  return current.row();
}

void FolderGrid::applyColumnWidths() {
  // Each column holds its heading and its widest value in the grid's font.
  const QStringList widest = {widestTextOf(FileValue::Size), kWidestShare, {}, {}, widestTextOf(FileValue::Accessed)};
  const QStringList headings = model_->table().headings;
  std::vector<int> designWidths = kDesignWidths;
  for (int column = 0; column < int(widest.size()); ++column) {
    designWidths[size_t(column)] =
        widthToFit(designWidths[size_t(column)], fontMetrics(), {headings.value(column), widest[column]});
  }
  const std::vector<int> widths = columnWidthsFor(designWidths, viewport()->width(), logicalDpiX());
  for (int column = 0; column < int(widths.size()); ++column) setColumnWidth(column, widths[size_t(column)]);
}

void FolderGrid::resizeEvent(QResizeEvent* event) {
  GridView::resizeEvent(event);
  applyColumnWidths();
}

void FolderGrid::keyPressEvent(QKeyEvent* event) {
  const QModelIndex before = currentIndex();
  GridView::keyPressEvent(event);
  const QModelIndex after = currentIndex();
  if (after.isValid() && after != before) chosen_ = after.row();
}

void FolderGrid::mousePressEvent(QMouseEvent* event) {
  pressedAt_ = event->position().toPoint();
  GridView::mousePressEvent(event);
}

void FolderGrid::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint releasedAt = event->position().toPoint();
  if (pressedAt_ == releasedAt) {
    const QModelIndex clicked = indexAt(releasedAt);
    chosen_ = clicked.isValid() ? clicked.row() : kNoRow;
  }
  pressedAt_.reset();
  GridView::mouseReleaseEvent(event);
}

void FolderGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  GridView::mouseDoubleClickEvent(event);
  if (indexAt(event->position().toPoint()).isValid()) Q_EMIT cellDoubleClicked();
}

}  // namespace tessaly
