#pragma once

#include <QHash>
#include <QSet>

#include "platform/drive_table.h"
#include "platform/file_type_source.h"
#include "platform/installed_software.h"

namespace tessaly::testkit {

// A drive table the test writes; installs itself while it lives.
class FakeDriveTable final : public platform::DriveTable {
 public:
  FakeDriveTable();
  ~FakeDriveTable() override;

  void add(const QString& mountPoint, platform::DriveKind kind, const QString& label = {},
           double freeBytes = 1e9, double totalBytes = 4e9, qint64 blockSize = 4096);
  void setReady(const QString& mountPoint, bool ready);
  void setFileSystem(const QString& mountPoint, const QString& fsType);

  QList<platform::DriveInfo> drives() const override { return drives_; }
  bool ready(const QString& path) const override;
  platform::DiskSpace space(const QString& path) const override;
  qint64 blockSize(const QString& path) const override;

 private:
  const platform::DriveInfo* holding(const QString& path) const;
  QList<platform::DriveInfo> drives_;
  QSet<QString> notReady_;
  QHash<QString, platform::DiskSpace> space_;
  QHash<QString, qint64> blockSize_;
};

// File types the test writes; installs itself while it lives.
class FakeFileTypes final : public platform::FileTypeSource {
 public:
  FakeFileTypes();
  ~FakeFileTypes() override;

  // ext with its dot.
  void add(const QString& ext, const QString& className, const QString& description);
  platform::FileTypeEntry lookup(const QString& ext) const override;
  QStringList knownExtensions() const override { return order_; }

 private:
  QHash<QString, platform::FileTypeEntry> entries_;
  QStringList order_;
};

// Installed-software values the test writes (the safe harbor build's source); installs itself
// while it lives.
class FakeInstalledSoftware final : public platform::InstalledSoftwareSource {
 public:
  explicit FakeInstalledSoftware(QStringList values = {});
  ~FakeInstalledSoftware() override;
  void readValues(const std::function<void(const QString&)>& take) const override;
  QStringList values;
};

}  // namespace tessaly::testkit
