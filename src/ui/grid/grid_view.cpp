#include "ui/grid/grid_view.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "ui/grid/grid_table_model.h"

namespace tessaly {

GridView::GridView(QWidget* parent) : QTableView(parent) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);  // cells are cut at their edge, as the reports cut them
  setCornerButtonEnabled(false);
  setTabKeyNavigation(false);  // whole rows are picked with the arrows; Tab moves on to the buttons
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

  QHeaderView* rows = verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(fontMetrics().height() + 6);

  QHeaderView* columns = horizontalHeader();
  columns->setSectionResizeMode(QHeaderView::Interactive);
  columns->setHighlightSections(false);
  columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  columns->setDefaultSectionSize(GridTable::kDefaultColumnWidth);
  columns->setMinimumSectionSize(0);  // windows may size a column narrower than its heading
  columns->viewport()->installEventFilter(this);
  connect(columns, &QHeaderView::sectionResized, this, [this](int column, int, int pixels) {
    if (gridModel_) gridModel_->setColumnWidth(column, pixels);
  });
}

void GridView::setGridModel(GridTableModel* model) {
  if (gridModel_) disconnect(gridModel_, nullptr, this, nullptr);
  gridModel_ = model;
  setModel(model);
  if (!model) return;
  connect(model, &QAbstractItemModel::modelReset, this, &GridView::applyColumnWidths);
  applyColumnWidths();
}

void GridView::applyColumnWidths() {
  const GridTable& table = gridModel_->table();
  // Copy first: each resize writes back into the table.
  const std::vector<int> widths = table.columnWidths;
  for (int c = 0; c < table.columnCount(); ++c) {
    setColumnWidth(c, c < int(widths.size()) ? widths[size_t(c)] : GridTable::kDefaultColumnWidth);
  }
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
  QHeaderView* headings = horizontalHeader();
  if (watched == headings->viewport()) {
    if (event->type() == QEvent::MouseButtonPress) {
      headingPressedAt_ = static_cast<QMouseEvent*>(event)->position().toPoint();
    } else if (event->type() == QEvent::MouseButtonRelease) {
      const QPoint releasedAt = static_cast<QMouseEvent*>(event)->position().toPoint();
      const int column = headings->logicalIndexAt(releasedAt);
      const bool clicked = headingPressedAt_ == releasedAt && column >= 0;
      headingPressedAt_.reset();
      if (clicked) Q_EMIT headingClicked(column);
    }
  }
  return QTableView::eventFilter(watched, event);
}

}  // namespace tessaly
