#include "core/folderhogs/folder_hogs.h"

#include <algorithm>

#include "core/common/file_types.h"
#include "core/common/text_routines.h"

namespace tessaly {
namespace {

constexpr int kShareDecimals = 2;

WalkRequest requestFor(FolderHogsMode mode) {
  WalkRequest request;
  request.pattern = QStringLiteral("*.*");
  request.fileMask = kAllEntriesMask;
  request.skipFilesWhenListingIsEmpty = mode == FolderHogsMode::AllFolders;
  return request;
}

void addFile(FolderTotals& totals, const WalkEntry& entry) {
  totals.bytes += double(entry.size);
  ++totals.files;
  totals.newestAccess = std::max(totals.newestAccess, entry.accessStamp);
}

}  // namespace

QString driveShareText(double bytes, double driveTotal) {
  if (driveTotal <= bytes) return QStringLiteral("???");
  return formatDecimals(bytes / driveTotal * 100.0, kShareDecimals);
}

QString folderLine(const FolderTotals& totals, double driveTotal, const QString& path) {
  return QStringList{formatThousandsFloat(totals.bytes), driveShareText(totals.bytes, driveTotal),
                     QString::number(totals.files), QString::number(totals.subFolders),
                     stampDateText(totals.newestAccess), path}
      .join(u'\t');
}

QString folderCountText(int folders) { return QStringLiteral("Folders : ") + QString::number(folders); }

ResultTable folderHogsTable() {
  ResultTable table;
  table.headings = {QStringLiteral("Size"),          QStringLiteral("% Used"),
                    QStringLiteral("# Files"),       QStringLiteral("# Sub-folders"),
                    QStringLiteral("Latest File Access"), QStringLiteral("Name")};
  table.alignment = {CellAlignment::Right, CellAlignment::Right, CellAlignment::Right,
                     CellAlignment::Right, CellAlignment::Left,  CellAlignment::Left};
  table.columnWidths = {80, 40, 40, 70, 90, 300};
  return table;
}

const std::vector<SortCommand>& folderHogsSorts() {
  static const std::vector<SortCommand> sorts = {
      {QStringLiteral("Sort by &Size"), FolderSizeColumn, SortKey::Number, true},
      {QStringLiteral("Sort by # &Files"), FolderFilesColumn, SortKey::Number, true},
      {QStringLiteral("Sort by # Sub-f&olders"), FolderSubFoldersColumn, SortKey::Number, true},
      {QStringLiteral("Sort by &Access Date"), FolderAccessColumn, SortKey::Date, true},
      {QStringLiteral("Sort by &Name"), FolderNameColumn, SortKey::Text, false},
  };
  return sorts;
}

SortDirections& folderHogsSortDirections() {
  static SortDirections directions(folderHogsSorts());
  return directions;
}

std::optional<FolderHogsSort> sortOfColumn(int column) {
  const std::vector<SortCommand>& sorts = folderHogsSorts();
  for (size_t command = 0; command < sorts.size(); ++command) {
    if (sorts[command].column == column) return FolderHogsSort(command);
  }
  return std::nullopt;
}

FolderHogsScan::FolderHogsScan(FolderHogsMode mode, WalkPacer* pacer)
    : mode_(mode), walk_(requestFor(mode), *this, pacer) {}

void FolderHogsScan::run(const QList<WalkRoot>& roots) {
  walk_.walkRoots(roots, [this](const WalkRoot& root) { driveTotal_ = getDiskSpace(root.path).totalBytes; });
  // Collected in text order and handed out last to first, then largest first.
  std::sort(collected_.begin(), collected_.end(), [](const Line& a, const Line& b) { return a.text > b.text; });
  std::stable_sort(collected_.begin(), collected_.end(), [](const Line& a, const Line& b) { return a.bytes > b.bytes; });
  lines_.clear();
  lines_.reserve(qsizetype(collected_.size()));
  for (const Line& line : collected_) lines_.append(line.text);
  collected_.clear();
}

ResultTable FolderHogsScan::table() const {
  ResultTable table = folderHogsTable();
  table.rows.reserve(size_t(lines_.size()));
  for (const QString& line : lines_) {
    ResultRow row;
    for (const QString& field : line.split(u'\t')) row.cells.append(field.trimmed());
    table.rows.push_back(std::move(row));
  }
  return table;
}

void FolderHogsScan::folderEntered(const QString&, int depth) {
  depth_ = depth;
  if (mode_ == FolderHogsMode::MainFolders) {
    if (depth == 1) main_ = {};
    if (depth >= 2) ++main_.subFolders;
    return;
  }
  if (open_.size() <= size_t(depth)) {
    open_.resize(size_t(depth) + 1);
    scanned_.resize(size_t(depth) + 1);
  }
  open_[size_t(depth)] = {};
  scanned_[size_t(depth)] = false;
}

void FolderHogsScan::fileScanBegins(const QString&, int depth) {
  depth_ = depth;
  if (mode_ == FolderHogsMode::AllFolders) scanned_[size_t(depth)] = true;
}

void FolderHogsScan::entryFound(const QString&, const WalkEntry& entry) {
  if (mode_ == FolderHogsMode::MainFolders) {
    // The root's own files are not listed; sub-folders are counted as they are entered.
    if (depth_ >= 1 && !entry.isFolder()) addFile(main_, entry);
    return;
  }
  FolderTotals& totals = open_[size_t(depth_)];
  if (entry.isFolder()) {
    ++totals.subFolders;  // hidden ones too: the mask hands them over though they are not entered
  } else {
    addFile(totals, entry);
  }
}

void FolderHogsScan::folderLeft(const QString& path, int depth) {
  depth_ = depth - 1;
  const bool listed = mode_ == FolderHogsMode::MainFolders ? depth == 1 : bool(scanned_[size_t(depth)]);
  if (!listed) return;
  const FolderTotals& totals = mode_ == FolderHogsMode::MainFolders ? main_ : open_[size_t(depth)];
  collected_.push_back({totals.bytes, folderLine(totals, driveTotal_, path)});
}

}  // namespace tessaly
