#pragma once

#include <QList>
#include <memory>
#include <vector>

#include "core/dates/date_query.h"
#include "core/grid/file_table.h"
#include "core/grid/sort_directions.h"
#include "core/walk/directory_walk.h"

namespace tessaly {

// The seven columns of the files-by-date grid with their design widths.
std::vector<FileColumn> filesByDateColumns();
// The seven sort commands of the grid, one per column in column order.
const std::vector<SortCommand>& filesByDateSorts();
// Their directions belong to the program, not to one window: they last from one opening of
// the window to the next.
SortDirections& filesByDateSortDirections();

// The status text after a search: "Found : " and the count in plain digits.
QString foundCountText(qint64 found);

// One search of the files accessed tool: the files matching the pattern (hidden files and
// hidden folders left out) whose chosen date lies in the query's range, in the order the walk
// meets them. The query is fixed for the whole search.
class FilesByDateSearch final : private WalkVisitor {
 public:
  FilesByDateSearch(const DateQuery& query, const QString& pattern, WalkPacer* pacer = nullptr);

  void run(const QList<WalkRoot>& roots);
  // The running walk, for the abort button.
  DirectoryWalk& walk() { return walk_; }

  qint64 foundCount() const { return qint64(files_->files().size()); }
  // The grid: one row per file found, in the order found.
  FileTable table(const std::vector<FileColumn>& columns = filesByDateColumns()) const;

 private:
  void entryFound(const QString& folder, const WalkEntry& entry) override;

  DateQuery query_;
  DirectoryWalk walk_;
  std::shared_ptr<FoundFiles> files_;
};

}  // namespace tessaly
