#pragma once

#include <QList>
#include <functional>
#include <memory>

#include "core/grid/file_table.h"
#include "core/search/duplicate_groups.h"
#include "core/search/size_condition.h"
#include "core/walk/directory_walk.h"

namespace tessaly {

inline const QString kNoFilesFound = QStringLiteral("No files found.");
inline const QString kListIncomplete = QStringLiteral("LIST INCOMPLETE ... ABORTED BY USER");

struct SearchSettings {
  bool findDups = true;  // false: file hogs
  MatchMode matchMode = MatchMode::FilenameOnly;
  SizeLimits limits;
  QString pattern = QStringLiteral("*.*");
};

// Collects the walk's files that pass the size condition.
class CollectingVisitor final : public WalkVisitor {
 public:
  CollectingVisitor(FileCollection& collection, const SizeLimits& limits) : collection_(collection), limits_(limits) {}
  void entryFound(const QString& folder, const WalkEntry& entry) override;

 private:
  FileCollection& collection_;
  SizeLimits limits_;
};

// The search behind "&Start" in either mode: walk, group or order, and the grid's rows.
class DuplicateSearch {
 public:
  explicit DuplicateSearch(SearchSettings settings) : settings_(std::move(settings)) {}

  // Walks every root in order (a ticked drive or added folder) and presents what it found;
  // after abort() the files collected so far are presented. started gets the walk before it
  // begins, so a window can give its abort button the walk.
  void scan(const QList<WalkRoot>& roots, WalkPacer* pacer = nullptr,
            const std::function<void(DirectoryWalk&)>& started = {});
  void abort();
  bool aborted() const { return aborted_; }

  // For a collection filled without a walk: groups (addDups) or orders (reSort) it into
  // the grid's rows.
  FileCollection& collection() { return collection_; }
  void present();

  // The rows refer to the collection's files; the grid can share them.
  const FileTable& table() const { return table_; }
  // "12 duplicates found" or "12 file hogs found"; empty when nothing was found.
  QString statusText() const;

 private:
  SearchSettings settings_;
  FileCollection collection_;
  FileTable table_;
  DirectoryWalk* walk_ = nullptr;
  bool aborted_ = false;
};

}  // namespace tessaly
