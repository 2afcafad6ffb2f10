#pragma once

#include <QList>
#include <QString>

namespace tessaly::platform {

// The drive kinds of the design, mapped onto mounted file systems.
enum class DriveKind { Removable, Fixed, CdRom, Network, RamDisk };

struct DriveInfo {
  QString mountPoint;  // "/", "/home", "/media/usb"
  QString label;       // file system label, or the source of a network mount; may be empty
  QString fsType;
  DriveKind kind = DriveKind::Fixed;

  // "<mount point> <label>", or the mount point and a blank when there is no label.
  QString itemText() const { return mountPoint + u' ' + label; }
};

struct DiskSpace {
  double freeBytes = 0;   // available to the user
  double totalBytes = 0;
};

// The mounted file systems and the queries the program asks of them.
class DriveTable {
 public:
  virtual ~DriveTable() = default;
  // Real drives only (no pseudo file systems), in mount-point order.
  virtual QList<DriveInfo> drives() const = 0;
  // The drive answers a free-space query; never a dialog.
  virtual bool ready(const QString& path) const = 0;
  // Zeros when the query fails.
  virtual DiskSpace space(const QString& path) const = 0;
  // The allocation unit of the file system holding the path; 0 when unknown.
  virtual qint64 blockSize(const QString& path) const = 0;
};

// The table in use: the system's unless a test installed its own.
const DriveTable& driveTable();
// Installs a replacement (nullptr restores the system table). The caller keeps ownership.
void setDriveTable(const DriveTable* table);

// The drive whose mount point holds the path (longest matching mount point).
DriveInfo driveHolding(const QString& path);
// The drive holding the user's home folder.
DriveInfo currentDrive();

}  // namespace tessaly::platform
