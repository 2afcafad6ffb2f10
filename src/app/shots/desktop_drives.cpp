#include "app/shots/desktop_drives.h"

namespace tessaly::shots {

QList<platform::DriveInfo> DesktopDrives::drives() const {
  QList<platform::DriveInfo> shown;
  for (const platform::DriveInfo& drive : system_.drives())
    if (drive.mountPoint == QStringLiteral("/") || drive.mountPoint == homeDrive_) shown.append(drive);
  return shown;
}

}  // namespace tessaly::shots
