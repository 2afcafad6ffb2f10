#include "support/fake_host.h"

namespace tessaly::testkit {

FakeDriveTable::FakeDriveTable() { platform::setDriveTable(this); }
FakeDriveTable::~FakeDriveTable() { platform::setDriveTable(nullptr); }

void FakeDriveTable::add(const QString& mountPoint, platform::DriveKind kind, const QString& label,
                         double freeBytes, double totalBytes, qint64 blockSize) {
  drives_.append({mountPoint, label, QStringLiteral("fake"), kind});
  space_.insert(mountPoint, {freeBytes, totalBytes});
  blockSize_.insert(mountPoint, blockSize);
}

void FakeDriveTable::setReady(const QString& mountPoint, bool ready) {
  if (ready) {
    notReady_.remove(mountPoint);
  } else {
    notReady_.insert(mountPoint);
  }
}

void FakeDriveTable::setFileSystem(const QString& mountPoint, const QString& fsType) {
  for (platform::DriveInfo& drive : drives_) {
    if (drive.mountPoint == mountPoint) drive.fsType = fsType;
  }
}

const platform::DriveInfo* FakeDriveTable::holding(const QString& path) const {
  const platform::DriveInfo* best = nullptr;
  for (const platform::DriveInfo& d : drives_) {
    const bool holds = d.mountPoint == QStringLiteral("/") ? path.startsWith(u'/')
                                                           : path == d.mountPoint || path.startsWith(d.mountPoint + u'/');
    if (holds && (!best || d.mountPoint.size() > best->mountPoint.size())) best = &d;
  }
  return best;
}

bool FakeDriveTable::ready(const QString& path) const {
  const platform::DriveInfo* d = holding(path);
  return d && !notReady_.contains(d->mountPoint);
}

platform::DiskSpace FakeDriveTable::space(const QString& path) const {
  const platform::DriveInfo* d = holding(path);
  return d && ready(path) ? space_.value(d->mountPoint) : platform::DiskSpace{};
}

qint64 FakeDriveTable::blockSize(const QString& path) const {
  const platform::DriveInfo* d = holding(path);
  return d ? blockSize_.value(d->mountPoint) : 0;
}

FakeFileTypes::FakeFileTypes() { platform::setFileTypeSource(this); }
FakeFileTypes::~FakeFileTypes() { platform::setFileTypeSource(nullptr); }

void FakeFileTypes::add(const QString& ext, const QString& className, const QString& description) {
  entries_.insert(ext.toLower(), {className, description});
  order_.append(ext);
}

platform::FileTypeEntry FakeFileTypes::lookup(const QString& ext) const { return entries_.value(ext.toLower()); }

FakeInstalledSoftware::FakeInstalledSoftware(QStringList initial) : values(std::move(initial)) {
  platform::setInstalledSoftwareSource(this);
}
FakeInstalledSoftware::~FakeInstalledSoftware() { platform::setInstalledSoftwareSource(nullptr); }

void FakeInstalledSoftware::readValues(const std::function<void(const QString&)>& take) const {
  for (const QString& value : values) take(value);
}

}  // namespace tessaly::testkit

