#pragma once

#include <vector>

#include "core/grid/result_table.h"
#include "core/search/duplicate_groups.h"

namespace tessaly {

// The grid's columns: duplicates mode and file-hogs mode.
QStringList duplicateHeadings();
QStringList fileHogsHeadings();

// The grid of a finished search, rows in result order (addToGrid for each entry). In
// duplicates mode every row carries its group parity in ResultRow::shaded.
ResultTable resultTable(const FileCollection& collection, const std::vector<ResultEntry>& entries, bool findDups);

}  // namespace tessaly
