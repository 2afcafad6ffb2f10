#include "platform/file_type_icons.h"

#include <QMimeDatabase>

#include "platform/directory_reader.h"

namespace tessaly::platform {

QStringList fileTypeIconNames(const QString& path) {
  static const QMimeDatabase database;
  EntryStatus status;
  const bool regular = pathStatus(path, &status) && status.kind == EntryStatus::File;
  const QMimeType type =
      database.mimeTypeForFile(path, regular ? QMimeDatabase::MatchDefault : QMimeDatabase::MatchExtension);
  if (!type.isValid()) return {};
  QStringList names{type.iconName()};
  if (type.genericIconName() != type.iconName()) names.append(type.genericIconName());
  return names;
}

}  // namespace tessaly::platform
