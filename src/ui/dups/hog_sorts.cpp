#include "ui/dups/hog_sorts.h"

namespace tessaly {
namespace {

// The columns of the file-hogs grid.
enum HogColumn { SizeColumn, ModifiedColumn, TimeColumn, AccessColumn, FileNameColumn, TypeColumn };

}  // namespace

const std::array<HogSortItem, kHogSortCount>& hogSortItems() {
  static const std::array<HogSortItem, kHogSortCount> items{{
      {"&Size", SizeColumn, SortKey::Number, true},
      {"&Date", ModifiedColumn, SortKey::Date, true},
      {"&Access Date", AccessColumn, SortKey::Date, true},
      {"&Name", FileNameColumn, SortKey::Text, false},
      {"&Type", TypeColumn, SortKey::Text, false},
  }};
  return items;
}

int hogSortOfColumn(int column) {
  const auto& items = hogSortItems();
  for (int sort = 0; sort < kHogSortCount; ++sort) {
    if (items[size_t(sort)].column == column) return sort;
  }
  return kNoHogSort;
}

SortDirections& hogSortDirections() {
  static SortDirections directions = [] {
    const auto& items = hogSortItems();
    return SortDirections{items[SortBySize].startDescending, items[SortByDate].startDescending,
                          items[SortByAccessDate].startDescending, items[SortByName].startDescending,
                          items[SortByType].startDescending};
  }();
  return directions;
}

}  // namespace tessaly
