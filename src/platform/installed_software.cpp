#include "platform/installed_software.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "platform/xdg_paths.h"

namespace tessaly::platform {
namespace {

const QString dpkgInfoFolder = QStringLiteral("/var/lib/dpkg/info");

void readDpkgLists(const std::function<void(const QString&)>& take) {
  QDirIterator lists(dpkgInfoFolder, {QStringLiteral("*.list")}, QDir::Files);
  while (lists.hasNext()) {
    QFile file(lists.next());
    if (!file.open(QIODevice::ReadOnly)) continue;
    while (!file.atEnd()) {
      QByteArray line = file.readLine();
      while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
      if (!line.isEmpty()) take(QString::fromUtf8(line));
    }
  }
}

void readDesktopEntry(const QString& path, const std::function<void(const QString&)>& take) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0) continue;
    const QString key = line.left(equals).trimmed();
    const QString value = line.mid(equals + 1).trimmed();
    if (key == QStringLiteral("Exec")) {
      take(desktopExecProgram(value));
    } else if (key == QStringLiteral("TryExec")) {
      take(value);
    } else if (key == QStringLiteral("Path") && !value.isEmpty()) {
      // Path names a folder itself; the slash keeps the build from reducing it to its parent.
      take(value.endsWith(u'/') ? value : value + u'/');
    }
  }
}

class HostSoftware final : public InstalledSoftwareSource {
 public:
  void readValues(const std::function<void(const QString&)>& take) const override {
    readDpkgLists(take);
    for (const QString& folder : applicationFolders()) {
      QDirIterator entries(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                           QDirIterator::Subdirectories);
      while (entries.hasNext()) readDesktopEntry(entries.next(), take);
    }
  }
};

const InstalledSoftwareSource* installedSource = nullptr;

}  // namespace

const InstalledSoftwareSource& installedSoftware() {
  static const HostSoftware host;
  return installedSource ? *installedSource : host;
}

void setInstalledSoftwareSource(const InstalledSoftwareSource* source) { installedSource = source; }

QString desktopExecProgram(const QString& execValue) {
  const QString text = execValue.trimmed();
  if (text.startsWith(u'"')) {
    const qsizetype close = text.indexOf(u'"', 1);
    return close < 0 ? QString() : text.mid(1, close - 1);
  }
  const qsizetype blank = text.indexOf(u' ');
  return blank < 0 ? text : text.left(blank);
}

QStringList applicationFolders() {
  QStringList folders{dataHome() + QStringLiteral("/applications")};
  QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
  if (dirs.isEmpty()) dirs = QStringLiteral("/usr/local/share:/usr/share");
  for (const QString& dir : dirs.split(u':', Qt::SkipEmptyParts)) {
    if (QDir::isAbsolutePath(dir)) folders.append(QDir::cleanPath(dir) + QStringLiteral("/applications"));
  }
  folders.removeDuplicates();
  return folders;
}

}  // namespace tessaly::platform
