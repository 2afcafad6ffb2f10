#include "ui/grid/sort_menu.h"

#include <QAction>
#include <QMenu>

#include "ui/common/wait_cursor.h"
#include "ui/grid/grid_table_model.h"
#include "ui/grid/grid_view.h"

namespace tessaly {
namespace {

SortDirections firstDirections(const std::vector<SortItem>& items) {
  std::vector<bool> descending;
  for (const SortItem& item : items) descending.push_back(item.firstDescending);
  return SortDirections(std::move(descending));
}

}  // namespace

SortMenu::SortMenu(GridView& grid, std::vector<SortItem> items, QObject* parent)
    : QObject(parent), grid_(grid), items_(std::move(items)), directions_(firstDirections(items_)) {
  for (size_t item = 0; item < items_.size(); ++item) {
    auto* action = new QAction(items_[item].caption, this);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, item] { sortBy(int(item)); });
    actions_.push_back(action);
  }
  connect(&grid_, &GridView::headingClicked, this, &SortMenu::headingClicked);
}

void SortMenu::addTo(QMenu* menu) const {
  for (QAction* action : actions_) menu->addAction(action);
}

void SortMenu::sortBy(int item) {
  const SortItem& chosen = items_[size_t(item)];
  {
    const WaitCursor waiting;
    grid_.gridModel()->sortRows(chosen.key, chosen.column, directions_.take(item));
  }
  tick(item);
}

void SortMenu::showSortedBy(int item, bool descending) {
  directions_.setDescending(item, !descending);
  tick(item);
}

void SortMenu::clearTick() { tick(-1); }

void SortMenu::tick(int item) {
  for (size_t other = 0; other < actions_.size(); ++other) actions_[other]->setChecked(int(other) == item);
}

void SortMenu::headingClicked(int column) {
  for (size_t item = 0; item < items_.size(); ++item) {
    if (items_[item].column == column) {
      sortBy(int(item));
      return;
    }
  }
}

}  // namespace tessaly
