#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/grid/result_table.h"
#include "core/grid/sort_directions.h"
#include "core/walk/directory_walk.h"

namespace tessaly {

enum class FolderHogsMode {
  MainFolders,  // the folders directly below each root, with the totals of their subtree
  AllFolders,   // every folder, with its own files only
};

// What one result line says about a folder.
struct FolderTotals {
  double bytes = 0;
  qint64 files = 0;
  qint64 subFolders = 0;
  DosStamp newestAccess = 0;
};

// "#0.00" of the folder's share of its drive, or "???" when the drive is not larger.
QString driveShareText(double bytes, double driveTotal);
// The six tab-separated fields of one result line.
QString folderLine(const FolderTotals& totals, double driveTotal, const QString& path);
// The status text after a scan.
QString folderCountText(int folders);

// One scan of the folder hogs tool over the ticked roots.
class FolderHogsScan final : private WalkVisitor {
 public:
  explicit FolderHogsScan(FolderHogsMode mode, WalkPacer* pacer = nullptr);

  void run(const QList<WalkRoot>& roots);
  // The running walk, for the abort button.
  DirectoryWalk& walk() { return walk_; }

  // The result lines, largest first (equal sizes in descending text order).
  const QStringList& lines() const { return lines_; }
  // Fewer than two lines count as nothing found, as the tool has always reported it.
  bool nothingFound() const { return lines_.size() < 2; }
  // The grid of the window: its headings, alignments and rows.
  ResultTable table() const;

 private:
  struct Line {
    double bytes;
    QString text;
  };

  void folderEntered(const QString& path, int depth) override;
  void fileScanBegins(const QString& path, int depth) override;
  void entryFound(const QString& folder, const WalkEntry& entry) override;
  void folderLeft(const QString& path, int depth) override;

  FolderHogsMode mode_;
  DirectoryWalk walk_;
  double driveTotal_ = 0;
  int depth_ = 0;                   // the level whose entries come in
  FolderTotals main_;               // main folders: the one being walked
  std::vector<FolderTotals> open_;  // all folders: one per open level
  std::vector<bool> scanned_;       // all folders: the level's file scan began
  std::vector<Line> collected_;
  QStringList lines_;
};

// The headings and layout of the folder hogs grid.
ResultTable folderHogsTable();

enum FolderHogsColumn {
  FolderSizeColumn,
  FolderShareColumn,
  FolderFilesColumn,
  FolderSubFoldersColumn,
  FolderAccessColumn,
  FolderNameColumn,
};

// The five sort commands of the window, in menu order.
enum FolderHogsSort { FolderSortBySize, FolderSortByFiles, FolderSortBySubFolders, FolderSortByAccessDate, FolderSortByName };
const std::vector<SortCommand>& folderHogsSorts();
// Their directions last for the whole run of the program; every scan sets the size direction
// back to descending.
SortDirections& folderHogsSortDirections();
// The sort a click on a heading runs; none for "% Used".
std::optional<FolderHogsSort> sortOfColumn(int column);

}  // namespace tessaly
