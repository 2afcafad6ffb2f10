#include "platform/folder_removal.h"

#include "platform/host_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tessaly::platform {
namespace {

QString systemReason(int error) { return systemErrorText(error); }

}  // namespace

RemovalResult removeEntryAt(const OpenFolder& folder, const char* name, bool isFolder, QString* reason) {
  if (::unlinkat(folder.descriptor(), name, isFolder ? AT_REMOVEDIR : 0) == 0) return RemovalResult::Removed;
  const int error = errno;
  if (isFolder && (error == ENOTEMPTY || error == EEXIST)) return RemovalResult::NotEmpty;
  if (reason) *reason = systemReason(error);
  return RemovalResult::Failed;
}

OpenFolder openSubFolder(const OpenFolder& parent, const char* name, QString* reason) {
  OpenFolder child = parent.openChild(name);
  if (!child.isOpen() && reason) {
    // O_NOFOLLOW refuses a link with the puzzling "Too many levels of symbolic links".
    const int error = errno;
    *reason = error == ELOOP ? QStringLiteral("it is a link, not a folder") : systemReason(error);
  }
  return child;
}

OpenFolder openFolderPath(const QString& path, QString* reason) {
  errno = 0;
  OpenFolder folder = OpenFolder::openRoot(path);
  // openRoot also refuses the kernel's own file systems, which leave errno alone.
  if (!folder.isOpen() && reason) *reason = errno != 0 ? systemReason(errno) : QStringLiteral("not a folder of a drive");
  return folder;
}

bool pathNames(const QString& path, const EntryStatus& status) {
  EntryStatus now;
  return pathStatus(path, &now) && now.device == status.device && now.inode == status.inode;
}

}  // namespace tessaly::platform
