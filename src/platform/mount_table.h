#pragma once

#include "platform/drive_table.h"

namespace tessaly::platform {

// The drive table read from /proc/self/mountinfo, with labels from /dev/disk/by-label.
class MountTable final : public DriveTable {
 public:
  QList<DriveInfo> drives() const override;
  bool ready(const QString& path) const override;
  DiskSpace space(const QString& path) const override;
  qint64 blockSize(const QString& path) const override;
};

// One line of mountinfo turned into a drive; false for pseudo file systems.
// Exposed so the kind rules can be tested on sample lines.
bool driveFromMountInfoLine(const QString& line, DriveInfo* drive);

}  // namespace tessaly::platform
