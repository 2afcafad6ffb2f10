#include "platform/mount_table.h"

#include <sys/statvfs.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>

#include "platform/directory_reader.h"
#include "platform/host_path.h"

namespace tessaly::platform {
namespace {

const QSet<QString>& pseudoFileSystems() {
  static const QSet<QString> kinds = {
      QStringLiteral("proc"),       QStringLiteral("sysfs"),     QStringLiteral("cgroup"),
      QStringLiteral("cgroup2"),    QStringLiteral("devpts"),    QStringLiteral("debugfs"),
      QStringLiteral("tracefs"),    QStringLiteral("securityfs"), QStringLiteral("bpf"),
      QStringLiteral("mqueue"),     QStringLiteral("configfs"),  QStringLiteral("fusectl"),
      QStringLiteral("binfmt_misc"), QStringLiteral("autofs"),   QStringLiteral("squashfs"),
      QStringLiteral("pstore"),     QStringLiteral("efivarfs"),  QStringLiteral("hugetlbfs"),
      QStringLiteral("devtmpfs"),   QStringLiteral("rpc_pipefs"), QStringLiteral("nsfs"),
      QStringLiteral("selinuxfs"),  QStringLiteral("fuse.gvfsd-fuse"), QStringLiteral("fuse.portal"),
      QStringLiteral("fuse.snapfuse"), QStringLiteral("nfsd")};
  return kinds;
}

const QSet<QString>& networkFileSystems() {
  static const QSet<QString> kinds = {
      QStringLiteral("nfs"),        QStringLiteral("nfs4"),       QStringLiteral("cifs"),
      QStringLiteral("smb3"),       QStringLiteral("smbfs"),      QStringLiteral("fuse.sshfs"),
      QStringLiteral("sshfs"),      QStringLiteral("fuse.rclone"), QStringLiteral("9p"),
      QStringLiteral("afs"),        QStringLiteral("ceph"),       QStringLiteral("glusterfs"),
      QStringLiteral("fuse.glusterfs"), QStringLiteral("davfs"),  QStringLiteral("fuse.s3fs")};
  return kinds;
}

// mountinfo escapes blanks, tabs, newlines and backslashes as three octal digits.
QString unescapeOctal(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'\\' && i + 3 < text.size()) {
      bool ok = false;
      const int code = text.mid(i + 1, 3).toInt(&ok, 8);
      if (ok) {
        out += QChar(code);
        i += 3;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

// /dev/disk/by-label escapes characters as \xNN.
QString unescapeHex(const QString& text) {
  QByteArray out;
  const QByteArray bytes = text.toUtf8();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\\' && i + 3 < bytes.size() && bytes[i + 1] == 'x') {
      bool ok = false;
      const int code = bytes.mid(i + 2, 2).toInt(&ok, 16);
      if (ok) {
        out += char(code);
        i += 3;
        continue;
      }
    }
    out += bytes[i];
  }
  return QString::fromUtf8(out);
}

QHash<QString, QString> labelsByDevice() {
  QHash<QString, QString> labels;
  QDirIterator it(QStringLiteral("/dev/disk/by-label"), QDir::System | QDir::Files);
  while (it.hasNext()) {
    const QFileInfo link(it.next());
    labels.insert(link.canonicalFilePath(), unescapeHex(link.fileName()));
  }
  return labels;
}

bool blockDeviceIsRemovable(const QString& device) {
  if (!device.startsWith(QStringLiteral("/dev/"))) return false;
  const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
  // A partition has no flag of its own; its disk is the parent folder in sysfs.
  QString sysPath = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
  for (int level = 0; level < 2 && !sysPath.isEmpty(); ++level) {
    QFile flag(sysPath + QStringLiteral("/removable"));
    if (flag.open(QIODevice::ReadOnly)) return flag.readAll().trimmed() == "1";
    sysPath = QFileInfo(sysPath).path();
  }
  return false;
}

bool isBelow(const QString& path, const QString& folder) {
  return path == folder || path.startsWith(folder + u'/');
}

}  // namespace

bool driveFromMountInfoLine(const QString& line, DriveInfo* drive) {
  const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
  const qsizetype separator = fields.indexOf(QStringLiteral("-"));
  if (fields.size() < 5 || separator < 0 || separator + 2 >= fields.size()) return false;
  const QString mountPoint = unescapeOctal(fields[4]);
  const QString fsType = fields[separator + 1];
  const QString source = unescapeOctal(fields[separator + 2]);
  if (pseudoFileSystems().contains(fsType)) return false;
  // Kernel interfaces, even where a RAM file system backs them.
  for (const char* kernel : {"/proc", "/sys", "/dev"}) {
    if (isBelow(mountPoint, QString::fromLatin1(kernel))) return false;
  }
  drive->mountPoint = mountPoint;
  drive->fsType = fsType;
  drive->label.clear();
  if (fsType == QStringLiteral("iso9660") || fsType == QStringLiteral("udf")) {
    drive->kind = DriveKind::CdRom;
  } else if (networkFileSystems().contains(fsType)) {
    drive->kind = DriveKind::Network;
    drive->label = source;
  } else if (fsType == QStringLiteral("tmpfs") || fsType == QStringLiteral("ramfs")) {
    drive->kind = DriveKind::RamDisk;
  } else if (isBelow(mountPoint, QStringLiteral("/media")) ||
             isBelow(mountPoint, QStringLiteral("/run/media"))) {
    drive->kind = DriveKind::Removable;
  } else {
    drive->kind = DriveKind::Fixed;
  }
  return true;
}

QList<DriveInfo> MountTable::drives() const {
  QFile mountInfo(QStringLiteral("/proc/self/mountinfo"));
  if (!mountInfo.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  const QHash<QString, QString> labels = labelsByDevice();
  QList<DriveInfo> result;
  for (const QByteArray& raw : mountInfo.readAll().split('\n')) {
    const QString line = decodePath(raw);  // a mount point keeps its bytes
    DriveInfo drive;
    if (!driveFromMountInfoLine(line, &drive)) continue;
    // Bind mounts of single files (containers do this for /etc/hosts) are no drives.
    EntryStatus status;
    if (!pathStatus(drive.mountPoint, &status) || status.kind != EntryStatus::Folder) continue;
    const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
    const QString source = fields[fields.indexOf(QStringLiteral("-")) + 2];
    if (drive.kind == DriveKind::Fixed && blockDeviceIsRemovable(source)) drive.kind = DriveKind::Removable;
    if (drive.label.isEmpty()) drive.label = labels.value(QFileInfo(source).canonicalFilePath());
    // A later mount on the same point hides the earlier one.
    result.erase(std::remove_if(result.begin(), result.end(),
                                [&](const DriveInfo& d) { return d.mountPoint == drive.mountPoint; }),
                 result.end());
    result.append(drive);
  }
  std::sort(result.begin(), result.end(),
            [](const DriveInfo& a, const DriveInfo& b) { return a.mountPoint < b.mountPoint; });
  return result;
}

bool MountTable::ready(const QString& path) const {
  struct statvfs info {};
  return ::statvfs(encodePath(path).constData(), &info) == 0;
}

DiskSpace MountTable::space(const QString& path) const {
  struct statvfs info {};
  if (::statvfs(encodePath(path).constData(), &info) != 0) return {};
  return {double(info.f_bavail) * double(info.f_frsize), double(info.f_blocks) * double(info.f_frsize)};
}

qint64 MountTable::blockSize(const QString& path) const {
  struct statvfs info {};
  if (::statvfs(encodePath(path).constData(), &info) != 0) return 0;
  return qint64(info.f_bsize);
}

}  // namespace tessaly::platform
