#pragma once

#include <QString>
#include <vector>

#include "core/grid/grid_table.h"
#include "core/grid/sort_directions.h"

namespace tessaly {

// The columns of the browse window's grid, left to right.
enum BrowseColumn : int { BrowseModified, BrowseTime, BrowseAccess, BrowseSize, BrowseFilename, BrowseType };

// One sort command of the browse window's menu.
struct BrowseSort {
  QString caption;  // "Modified &Date"
  int column;
  SortKey key;
};

// The five commands in menu order: "Name" first.
const std::vector<BrowseSort>& browseSorts();
// Their directions, shared by every browse window for the whole run of the program. A command
// turns its direction round and then sorts that way; loading a folder sorts by the checked
// command in its direction as it stands.
SortDirections& browseSortDirections();
// The command a click on a heading stands for; -1 for "Time", which sorts nothing.
int browseSortOfColumn(int column);

}  // namespace tessaly
