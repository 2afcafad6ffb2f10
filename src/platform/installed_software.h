#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tessaly::platform {

// What installed software names on this host, in place of the registry values that the safe
// harbor build scans: the package manager's file lists and the desktop entries' programs and
// working folders. Values are handed over raw; the build decides which of them name a folder.
class InstalledSoftwareSource {
 public:
  virtual ~InstalledSoftwareSource() = default;
  virtual void readValues(const std::function<void(const QString& value)>& take) const = 0;
};

// The host's sources unless a test installed its own.
const InstalledSoftwareSource& installedSoftware();
// Installs a replacement (nullptr restores the host's). The caller keeps ownership.
void setInstalledSoftwareSource(const InstalledSoftwareSource* source);

// The value a desktop entry's Exec line names: its program, the first word, unquoted.
QString desktopExecProgram(const QString& execValue);

// The folders holding desktop entries: XDG_DATA_HOME, then each XDG_DATA_DIRS folder, each
// followed by "/applications".
QStringList applicationFolders();

}  // namespace tessaly::platform
