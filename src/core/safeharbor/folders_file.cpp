#include "core/safeharbor/folders_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/safeharbor/folder_entries.h"
#include "platform/xdg_paths.h"

namespace tessaly {

bool foldersFileExists() { return QFileInfo::exists(platform::foldersListPath()); }

QStringList readFoldersFile() {
  QFile file(platform::foldersListPath());
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines;
  for (QByteArray line : file.readAll().split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    if (!line.isEmpty()) lines.append(QString::fromUtf8(line));
  }
  return lines;
}

bool saveFoldersFile(QStringList entries, QString* error) {
  const QString path = platform::foldersListPath();
  if (entries.isEmpty()) {
    if (!QFileInfo::exists(path) || QFile::remove(path)) return true;
    *error = QStringLiteral("Cannot delete ") + path;
    return false;
  }
  sortEntries(entries);
  QDir().mkpath(QFileInfo(path).absolutePath());
  // Written whole or not at all, so a failed save never leaves half a safe harbor behind.
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    for (const QString& entry : std::as_const(entries)) file.write(entry.toUtf8() + "\r\n");
    if (file.commit()) return true;
  }
  *error = QStringLiteral("Cannot write ") + path + QStringLiteral(": ") + file.errorString();
  return false;
}

}  // namespace tessaly
