#include "core/stats/printed_pages.h"

#include <algorithm>

namespace tessaly {

std::vector<PrintedPage> paginateRows(int rows, double rowHeight, double bodyHeight) {
  const int perPage = std::max(1, int(bodyHeight / rowHeight));
  std::vector<PrintedPage> pages;
  int next = 0;
  do {
    const bool first = pages.empty();
    const int fits = first ? std::max(1, perPage - 1) : perPage;
    const int count = std::min(fits, rows - next);
    pages.push_back({next, count, first});
    next += count;
  } while (next < rows);
  return pages;
}

}  // namespace tessaly
