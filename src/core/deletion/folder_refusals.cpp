#include "core/deletion/folder_refusals.h"

#include <QDir>

#include "platform/drive_table.h"
#include "platform/host_files.h"
#include "platform/system_folders.h"
#include "platform/xdg_paths.h"

namespace tessaly {
namespace {

bool isRoot(const QString& folder) {
  if (folder == u"/") return true;
  for (const platform::DriveInfo& drive : platform::driveTable().drives()) {
    if (QDir::cleanPath(drive.mountPoint) == folder) return true;
  }
  return false;
}

QString refusalOf(const QString& folder) {
  if (isRoot(folder))
    return QStringLiteral("Cannot delete the root folder! To delete a folder including all files and sub-folders double click on the desired folder shown in the left panel.");
  if (platform::systemFolders().contains(folder)) return QStringLiteral("You cannot delete a system folder using Tessaly 99");
  if (folder == QDir::cleanPath(platform::homeFolder())) return QStringLiteral("You cannot delete your home folder using Tessaly 99");
  return {};
}

}  // namespace

QString folderDeletionRefusal(const QString& folder) {
  const QString written = QDir::cleanPath(folder);
  const QString refusal = refusalOf(written);
  if (!refusal.isEmpty()) return refusal;
  const QString real = platform::resolvedPath(written);
  return real.isEmpty() || real == written ? QString() : refusalOf(real);
}

}  // namespace tessaly
