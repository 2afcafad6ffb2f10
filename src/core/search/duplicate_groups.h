#pragma once

#include <vector>

#include "core/grid/file_table.h"
#include "core/search/file_collection.h"
#include "core/search/match_mode.h"

namespace tessaly {

// Orders the collection by the mode's key fields first and then by the rest of its file line,
// so that files with equal keys are always neighbours. Name and type texts are compared without
// regard to a-z case; sizes as numbers; dates and times in time order.
void sortCollection(FileCollection& collection, MatchMode mode);

// The duplicate groups of a sorted collection: every run of two or more neighbours with equal
// keys, in collection order, the first row shaded and the parity turning whenever a row
// differs from the row above in the mode's colour fields.
std::vector<ResultEntry> addDups(const FileCollection& collection, MatchMode mode);

// The first row of each group of addDups' rows: a group is a run of rows with equal keys.
std::vector<quint32> groupFirstRows(const FileCollection& collection, const std::vector<ResultEntry>& rows, MatchMode mode);

// File hogs: every collected file, largest first; files of one size by path.
std::vector<ResultEntry> reSort(const FileCollection& collection);

}  // namespace tessaly
