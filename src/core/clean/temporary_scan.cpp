#include "core/clean/temporary_scan.h"

namespace tessaly {
namespace {

// Wide enough for today's desktop fonts, which are larger than the 8-point font the grid was
// first laid out for: a date, a time or a size in megabytes is never cut off.
constexpr int kSizeColumnWidth = 80;
constexpr int kDateColumnWidth = 84;
constexpr int kTimeColumnWidth = 70;
constexpr int kFileNameColumnWidth = 296;

WalkRequest quickCleanRequest() {
  WalkRequest request;
  request.fileMask = kQuickCleanMask;
  return request;
}

}  // namespace

std::vector<FileColumn> quickCleanColumns() {
  return {{QStringLiteral("Size"), FileValue::Size, kSizeColumnWidth},
          {QStringLiteral("Modified"), FileValue::Modified, kDateColumnWidth},
          {QStringLiteral("Time"), FileValue::Time, kTimeColumnWidth},
          {QStringLiteral("Access"), FileValue::Accessed, kDateColumnWidth},
          {QStringLiteral("FileName"), FileValue::Path, kFileNameColumnWidth},
          {QStringLiteral("Type"), FileValue::Type}};
}

TemporaryFileScan::TemporaryFileScan(const QStringList& selectedLines, WalkPacer* pacer)
    : matcher_(selectedLines), walk_(quickCleanRequest(), *this, pacer), files_(std::make_shared<FoundFiles>()) {}

void TemporaryFileScan::run(const QList<WalkRoot>& roots) { walk_.walkRoots(roots); }

void TemporaryFileScan::entryFound(const QString& folder, const WalkEntry& entry) {
  if (!matcher_.isThisFileTemporary(entry.name)) return;
  files_->add(folder, entry.name, entry.size, FileStamps{entry.writeStamp, entry.accessStamp, entry.creationStamp});
}

FileTable TemporaryFileScan::table() const {
  std::vector<ResultEntry> rows(files_->files().size());
  for (size_t file = 0; file < rows.size(); ++file) rows[file].file = quint32(file);
  FileTable table(files_, quickCleanColumns(), std::move(rows));
  table.sortRows(SortKey::Number, SizeColumn, true);
  return table;
}

}  // namespace tessaly
