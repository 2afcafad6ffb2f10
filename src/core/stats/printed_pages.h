#pragma once

#include <vector>

namespace tessaly {

// The rows one printed page of a grid holds. Only the first page carries the heading row.
struct PrintedPage {
  int firstRow = 0;
  int rowCount = 0;
  bool withHeadings = false;
};

// Splits a grid's data rows over pages whose body is bodyHeight high (in any one unit); the
// heading row takes one row's height on the first page. Every page holds at least one row,
// and a grid without rows still prints one page with its headings.
std::vector<PrintedPage> paginateRows(int rows, double rowHeight, double bodyHeight);

}  // namespace tessaly
