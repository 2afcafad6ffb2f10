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

FolderRefusal refusalOf(const QString& folder) {
  if (isRoot(folder)) return FolderRefusal::RootFolder;
  if (platform::systemFolders().contains(folder)) return FolderRefusal::SystemFolder;
  if (folder == QDir::cleanPath(platform::homeFolder())) return FolderRefusal::HomeFolder;
  return FolderRefusal::None;
}

}  // namespace

FolderRefusal folderRefusal(const QString& folder) {
  const QString written = QDir::cleanPath(folder);
  const FolderRefusal refusal = refusalOf(written);
  if (refusal != FolderRefusal::None) return refusal;
  const QString real = platform::resolvedPath(written);
  return real.isEmpty() || real == written ? FolderRefusal::None : refusalOf(real);
}

QString folderRefusalText(FolderRefusal refusal) {
  switch (refusal) {
    case FolderRefusal::RootFolder:
      return QStringLiteral("Cannot delete the root folder! To delete a folder including all files and sub-folders double click on the desired folder shown in the left panel.");
    case FolderRefusal::SystemFolder: return QStringLiteral("You cannot delete a system folder using Tessaly 99");
    case FolderRefusal::HomeFolder: return QStringLiteral("You cannot delete your home folder using Tessaly 99");
    case FolderRefusal::None: break;
  }
  return {};
}

QString folderDeletionRefusal(const QString& folder) { return folderRefusalText(folderRefusal(folder)); }

}  // namespace tessaly
