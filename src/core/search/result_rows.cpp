#include "core/search/result_rows.h"

namespace tessaly {

std::vector<FileColumn> duplicateColumns() {
  return {{QStringLiteral("Filename"), FileValue::Name, 93},   {QStringLiteral("Size"), FileValue::Size, 58},
          {QStringLiteral("Modified"), FileValue::Modified, 64}, {QStringLiteral("Time"), FileValue::Time, 70},
          {QStringLiteral("Access"), FileValue::Accessed, 70},   {QStringLiteral("Folder"), FileValue::Folder, 184},
          {QStringLiteral("Type"), FileValue::Type}};
}

std::vector<FileColumn> fileHogsColumns() {
  return {{QStringLiteral("Size"), FileValue::Size, 64},     {QStringLiteral("Modified"), FileValue::Modified, 64},
          {QStringLiteral("Time"), FileValue::Time, 64},     {QStringLiteral("Access"), FileValue::Accessed, 64},
          {QStringLiteral("FileName"), FileValue::Path, 296}, {QStringLiteral("Type"), FileValue::Type}};
}

FileTable resultTable(const FileCollection& collection, std::vector<ResultEntry> entries, bool findDups) {
  return FileTable(collection.shared(), findDups ? duplicateColumns() : fileHogsColumns(), std::move(entries));
}

}  // namespace tessaly
