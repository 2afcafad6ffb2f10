#pragma once

#include <vector>

#include "core/grid/file_table.h"
#include "core/search/duplicate_groups.h"

namespace tessaly {

// The grid's columns: duplicates mode and file-hogs mode, with their design widths.
std::vector<FileColumn> duplicateColumns();
std::vector<FileColumn> fileHogsColumns();

// The grid of a finished search, rows in result order (addToGrid for each entry). In
// duplicates mode every row carries its group parity (file hogs have none). The grid shares the collection's files.
FileTable resultTable(const FileCollection& collection, std::vector<ResultEntry> entries, bool findDups);

}  // namespace tessaly
