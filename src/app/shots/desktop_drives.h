#pragma once

#include "platform/drive_table.h"

namespace tessaly::shots {

// The machine's drives as a desktop user's pictures should show them: the root and the
// drive of the home folder, without the build machine's other mounts.
class DesktopDrives final : public platform::DriveTable {
 public:
  // Made before it is installed, while the system's table still answers.
  explicit DesktopDrives(const platform::DriveTable& system)
      : system_(system), homeDrive_(platform::currentDrive().mountPoint) {}

  QList<platform::DriveInfo> drives() const override;
  bool ready(const QString& path) const override { return system_.ready(path); }
  platform::DiskSpace space(const QString& path) const override { return system_.space(path); }
  qint64 blockSize(const QString& path) const override { return system_.blockSize(path); }

 private:
  const platform::DriveTable& system_;
  QString homeDrive_;
};

}  // namespace tessaly::shots
