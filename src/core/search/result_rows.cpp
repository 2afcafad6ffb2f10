#include "core/search/result_rows.h"

#include "core/common/text_routines.h"
#include "core/search/stamp_texts.h"

namespace tessaly {

QStringList duplicateHeadings() {
  return {QStringLiteral("Filename"), QStringLiteral("Size"),   QStringLiteral("Modified"), QStringLiteral("Time"),
          QStringLiteral("Access"),   QStringLiteral("Folder"), QStringLiteral("Type")};
}

QStringList fileHogsHeadings() {
  return {QStringLiteral("Size"),   QStringLiteral("Modified"), QStringLiteral("Time"),
          QStringLiteral("Access"), QStringLiteral("FileName"), QStringLiteral("Type")};
}

ResultTable resultTable(const FileCollection& collection, const std::vector<ResultEntry>& entries, bool findDups) {
  ResultTable table;
  table.headings = findDups ? duplicateHeadings() : fileHogsHeadings();
  table.alignment.assign(size_t(table.headings.size()), CellAlignment::Left);
  table.alignment[findDups ? 1 : 0] = CellAlignment::Right;
  table.rows.reserve(entries.size());
  StampTexts texts;
  for (const ResultEntry& entry : entries) {
    const FoundFile& file = collection.files()[entry.file];
    ResultRow row;
    const QString size = formatThousands(file.size);
    const QString& modified = texts.dateText(file.writeStamp);
    const QString& time = texts.timeText(file.writeStamp);
    const QString& access = texts.dateText(file.accessStamp);
    if (findDups) {
      row.cells = {file.name, size, modified, time, access, collection.folderText(file), collection.typeText(file)};
      row.shaded = entry.shaded;
    } else {
      row.cells = {size, modified, time, access, collection.fullPath(file), collection.typeText(file)};
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace tessaly
