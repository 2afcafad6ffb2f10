#include "core/dates/files_by_date.h"

namespace tessaly {
namespace {

WalkRequest requestFor(const QString& pattern) {
  WalkRequest request;
  request.pattern = pattern;
  request.fileMask = kFilesByDateMask;
  return request;
}

}  // namespace

std::vector<FileColumn> filesByDateColumns() {
  return {{QStringLiteral("Filename"), FileValue::Name, 110}, {QStringLiteral("Accessed"), FileValue::Accessed, 68},
          {QStringLiteral("Created"), FileValue::Created, 68},  {QStringLiteral("Modified"), FileValue::Modified, 68},
          {QStringLiteral("Size"), FileValue::Size, 65},        {QStringLiteral("Folder"), FileValue::Folder, 189},
          {QStringLiteral("Type"), FileValue::Type}};
}

const std::vector<SortCommand>& filesByDateSorts() {
  static const std::vector<SortCommand> sorts = {
      {QStringLiteral("&Name"), 0, SortKey::Text, false},
      {QStringLiteral("Access &Date"), 1, SortKey::Date, true},
      {QStringLiteral("&Creation Date"), 2, SortKey::Date, true},
      {QStringLiteral("&Modification Date"), 3, SortKey::Date, true},
      {QStringLiteral("&Size"), 4, SortKey::Number, false},
      {QStringLiteral("&Folder"), 5, SortKey::Text, false},
      {QStringLiteral("&Type"), 6, SortKey::Text, false},
  };
  return sorts;
}

SortDirections& filesByDateSortDirections() {
  static SortDirections directions(filesByDateSorts());
  return directions;
}

QString foundCountText(qint64 found) { return QStringLiteral("Found : ") + QString::number(found); }

FilesByDateSearch::FilesByDateSearch(const DateQuery& query, const QString& pattern, WalkPacer* pacer)
    : query_(query), walk_(requestFor(pattern), *this, pacer), files_(std::make_shared<FoundFiles>()) {}

void FilesByDateSearch::run(const QList<WalkRoot>& roots) { walk_.walkRoots(roots); }

FileTable FilesByDateSearch::table(const std::vector<FileColumn>& columns) const {
  std::vector<ResultEntry> rows(files_->files().size());
  for (size_t i = 0; i < rows.size(); ++i) rows[i].file = quint32(i);
  return FileTable(files_, columns, std::move(rows));
}

void FilesByDateSearch::entryFound(const QString& folder, const WalkEntry& entry) {
  if (entry.isFolder()) return;
  if (!query_.inRange(query_.chosenStamp(entry.accessStamp, entry.creationStamp, entry.writeStamp))) return;
  files_->add(folder, entry.name, entry.size, {entry.writeStamp, entry.accessStamp, entry.creationStamp});
}

}  // namespace tessaly
