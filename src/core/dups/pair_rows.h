#pragma once

#include <optional>

#include "core/grid/file_table.h"
#include "core/search/match_mode.h"

namespace tessaly {

// Whether the row and the row below it belong together under the match mode: they agree in
// the mode's key fields, compared as the search compares them (names without regard to a-z
// case). A blank row, or a row without one below it, matches nothing.
bool qPairMatches(const FileTable& table, qsizetype row, MatchMode mode);

// "Next pair": the first row below the current one that matches the row under it; none at the
// end of the list.
std::optional<qsizetype> GetNextDupRow(const FileTable& table, qsizetype current, MatchMode mode);
// "Prev pair": the nearest row above the current one that matches the row under it, or the
// first row when none does; none when the current row is the first.
std::optional<qsizetype> GetPrevDupRow(const FileTable& table, qsizetype current, MatchMode mode);

// The left row of the pair shown for the duplicates grid's current row: that row, except that
// the last row is shown as the right file of the pair above it.
qsizetype firstPairRow(const FileTable& table, qsizetype current);

}  // namespace tessaly
