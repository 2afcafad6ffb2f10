#pragma once

#include <QList>
#include <QStringList>
#include <memory>
#include <vector>

#include "core/clean/temporary_files.h"
#include "core/grid/file_table.h"
#include "core/walk/directory_walk.h"

namespace tessaly {

// The columns of quick clean's grid, in their order.
enum QuickCleanColumn { SizeColumn, ModifiedColumn, TimeColumn, AccessColumn, FileNameColumn, TypeColumn };
std::vector<FileColumn> quickCleanColumns();

// One search of quick clean: every file of the ticked roots whose extension is one of the
// chosen patterns' (hidden files too; links and other odd entries, hidden folders and other
// mounted drives are never looked at).
class TemporaryFileScan final : private WalkVisitor {
 public:
  explicit TemporaryFileScan(const QStringList& selectedLines, WalkPacer* pacer = nullptr);

  void run(const QList<WalkRoot>& roots);
  // The running walk, for the abort button.
  DirectoryWalk& walk() { return walk_; }

  qint64 tempFilesFound() const { return qint64(files_->files().size()); }
  // The grid of what was found, largest first (equal sizes in the order found).
  FileTable table() const;

 private:
  void entryFound(const QString& folder, const WalkEntry& entry) override;

  TemporaryFileMatcher matcher_;
  DirectoryWalk walk_;
  std::shared_ptr<FoundFiles> files_;
};

}  // namespace tessaly
