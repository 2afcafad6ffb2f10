#include "core/safeharbor/software_folders.h"

#include <QFileInfo>
#include <QSet>

#include "core/safeharbor/folder_entries.h"
#include "platform/drive_table.h"

namespace tessaly {
namespace {

// Mount points of removable drives, each ended by "/" (the floppy drives of the design).
QStringList removableMountPoints() {
  QStringList points;
  for (const platform::DriveInfo& drive : platform::driveTable().drives()) {
    if (drive.kind == platform::DriveKind::Removable) points.append(withTrailingSlash(drive.mountPoint));
  }
  return points;
}

bool onRemovableDrive(const QString& folder, const QStringList& mountPoints) {
  for (const QString& point : mountPoints) {
    if (point != u"/" && folder.startsWith(point)) return true;
  }
  return false;
}

}  // namespace

QString folderOfValue(const QString& value) {
  if (value.size() < 2 || !value.startsWith(u'/') || value.startsWith(u"//")) return {};
  if (value.contains(u':') || value.contains(u'\n') || value.contains(u'\r')) return {};
  return normalizedFolder(value.left(value.lastIndexOf(u'/') + 1));
}

int addInstalledSoftwareFolders(QStringList& folders, const platform::InstalledSoftwareSource& source,
                                const std::function<void(const QString&)>& added) {
  QSet<QString> seen(folders.cbegin(), folders.cend());
  const QStringList mountPoints = removableMountPoints();
  int count = 0;
  source.readValues([&](const QString& value) {
    const QString folder = folderOfValue(value);
    // A folder tried once, listed or not, is not tried again: the package lists name each
    // folder thousands of times.
    if (folder.isEmpty() || seen.contains(folder)) return;
    seen.insert(folder);
    if (onRemovableDrive(folder, mountPoints) || !QFileInfo(folder).isDir()) return;
    folders.append(folder);
    ++count;
    added(folder);
  });
  return count;
}

}  // namespace tessaly
