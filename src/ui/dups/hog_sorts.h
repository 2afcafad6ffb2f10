#pragma once

#include <QString>
#include <array>

#include "core/grid/grid_table.h"
#include "core/grid/sort_directions.h"

namespace tessaly {

// The file-hogs window's sort commands, in the order of the "Sort" menu.
enum HogSort { SortBySize, SortByDate, SortByAccessDate, SortByName, SortByType, kHogSortCount };

struct HogSortItem {
  const char* caption;
  int column;  // of the file-hogs grid
  SortKey key;
  bool startDescending;
};

// "&Size" by "Size", "&Date" by "Modified", "&Access Date" by "Access", "&Name" by "FileName",
// "&Type" by "Type".
const std::array<HogSortItem, kHogSortCount>& hogSortItems();

// The command a click on the heading of a file-hogs column runs; none for "Time".
int hogSortOfColumn(int column);
inline constexpr int kNoHogSort = -1;

// The directions of the five commands: they live for the whole run of the program, not for
// one window.
SortDirections& hogSortDirections();

}  // namespace tessaly
