#include "platform/drive_table.h"

#include "platform/mount_table.h"
#include "platform/xdg_paths.h"

namespace tessaly::platform {
namespace {

const DriveTable* installedTable = nullptr;

bool holds(const QString& mountPoint, const QString& path) {
  if (mountPoint == QStringLiteral("/")) return path.startsWith(u'/');
  return path == mountPoint || path.startsWith(mountPoint + u'/');
}

}  // namespace

const DriveTable& driveTable() {
  static const MountTable systemTable;
  return installedTable ? *installedTable : systemTable;
}

void setDriveTable(const DriveTable* table) { installedTable = table; }

DriveInfo driveHolding(const QString& path) {
  DriveInfo best;
  for (const DriveInfo& drive : driveTable().drives()) {
    if (holds(drive.mountPoint, path) && drive.mountPoint.size() > best.mountPoint.size()) best = drive;
  }
  return best;
}

DriveInfo currentDrive() { return driveHolding(homeFolder()); }

}  // namespace tessaly::platform
