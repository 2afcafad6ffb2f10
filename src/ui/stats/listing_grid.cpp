#include "ui/stats/listing_grid.h"

#include "ui/grid/grid_model.h"
#include "ui/grid/grid_view.h"

namespace tessaly {

GridView* listingGrid(GridModel* model, QWidget* parent) {
  auto* grid = new GridView(parent);
  grid->setGridModel(model);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setTabKeyNavigation(false);  // Tab leaves the grid: it has no cells to visit
  grid->setStyleSheet(QStringLiteral("QTableView::item { padding-left: 3px; padding-right: 3px; }"));
  return grid;
}

}  // namespace tessaly
