#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "core/grid/grid_table.h"
#include "core/grid/sort_directions.h"

class QAction;
class QActionGroup;
class QMenu;

namespace tessaly {

class GridView;

// One item of a window's "Sort" menu: the column it sorts, by which rule, and the direction
// of its first use.
struct SortItem {
  QString caption;
  int column = 0;
  SortKey key = SortKey::Text;
  bool firstDescending = false;
};

// The "Sort" menu of a result grid: each item sorts every row by its column in its own
// direction and then turns that direction round; the item last used is ticked. A click on a
// heading runs the item of that column; a column without an item does not sort.
class SortMenu final : public QObject {
  Q_OBJECT

 public:
  SortMenu(GridView& grid, std::vector<SortItem> items, QObject* parent);

  // The items, in their order, appended to the menu.
  void addTo(QMenu* menu) const;
  QAction* action(int item) const { return actions_[size_t(item)]; }

  void sortBy(int item);
  // The rows arrived sorted by the item in the direction given: tick it, and let its next use
  // go the other way.
  void showSortedBy(int item, bool descending);
  // No item ticked (an empty grid).
  void clearTick();

 private:
  void headingClicked(int column);
  void tick(int item);

  GridView& grid_;
  std::vector<SortItem> items_;
  SortDirections directions_;
  std::vector<QAction*> actions_;
};

}  // namespace tessaly
