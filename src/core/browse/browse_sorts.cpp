#include "core/browse/browse_sorts.h"

namespace tessaly {

const std::vector<BrowseSort>& browseSorts() {
  static const std::vector<BrowseSort> sorts{
      {QStringLiteral("Name"), BrowseFilename, SortKey::Text},
      {QStringLiteral("Modified &Date"), BrowseModified, SortKey::Date},
      {QStringLiteral("&Access Date"), BrowseAccess, SortKey::Date},
      {QStringLiteral("&Size"), BrowseSize, SortKey::Number},
      {QStringLiteral("&Type"), BrowseType, SortKey::Text},
  };
  return sorts;
}

SortDirections& browseSortDirections() {
  // Name and Type ascending, the dates and the size descending, at the start of the run.
  static SortDirections directions{false, true, true, true, false};
  return directions;
}

int browseSortOfColumn(int column) {
  const std::vector<BrowseSort>& sorts = browseSorts();
  for (size_t i = 0; i < sorts.size(); ++i) {
    if (sorts[i].column == column) return int(i);
  }
  return -1;
}

}  // namespace tessaly
