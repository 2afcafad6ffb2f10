#include "core/grid/file_table.h"

#include "core/common/text_routines.h"
#include "core/grid/stamp_texts.h"

namespace tessaly {
namespace {

QString dateText(DosStamp stamp, StampTexts* repeated) {
  return repeated ? repeated->dateText(stamp) : stampDateText(stamp);
}

}  // namespace

FileTable::FileTable() : files_(std::make_shared<const FoundFiles>()) {}

FileTable::FileTable(std::shared_ptr<const FoundFiles> files, const std::vector<FileColumn>& columns,
                     std::vector<ResultEntry> rows)
    : rows(std::move(rows)), files_(std::move(files)), columns_(columns) {
  for (const FileColumn& column : columns) {
    headings.append(column.heading);
    alignment.push_back(column.value == FileValue::Size ? CellAlignment::Right : CellAlignment::Left);
    columnWidths.push_back(column.designWidth == FileColumn::kRestOfWidth ? kDefaultColumnWidth : column.designWidth);
  }
}

QString FileTable::filePath(qsizetype row) const {
  const FoundFile* file = fileOf(row);
  return file ? files_->fullPath(*file) : QString();
}

std::vector<std::pair<quint32, quint32>> FileTable::rowsByFile() const {
  // Counted into place by file number.
  const size_t blank = files_->files().size();
  const auto placeOf = [blank](quint32 file) { return file == kNoFile ? blank : size_t(file); };
  std::vector<quint32> starts(blank + 2);
  for (const ResultEntry& entry : rows) ++starts[placeOf(entry.file) + 1];
  for (size_t i = 1; i < starts.size(); ++i) starts[i] += starts[i - 1];
  std::vector<std::pair<quint32, quint32>> visits(rows.size());
  for (quint32 row = 0; row < rows.size(); ++row) visits[starts[placeOf(rows[row].file)]++] = {rows[row].file, row};
  return visits;
}

QString FileTable::formCell(qsizetype row, int column, StampTexts* repeated) const {
  const FoundFile* file = fileOf(row);
  if (!file || column < 0 || column >= columnCount()) return {};
  switch (valueOf(column)) {
    case FileValue::Name: return file->name;
    case FileValue::Path: return files_->fullPath(*file);
    case FileValue::Folder: return files_->folderText(*file);
    case FileValue::Size: return formatThousands(file->size);
    case FileValue::Modified: return dateText(file->writeStamp, repeated);
    case FileValue::Time: return repeated ? repeated->timeText(file->writeStamp) : stampTimeText(file->writeStamp);
    case FileValue::Accessed: return dateText(file->accessStamp, repeated);
    case FileValue::Created: return dateText(file->creationStamp, repeated);
    case FileValue::Type: return files_->typeText(*file);
  }
  return {};
}

}  // namespace tessaly
