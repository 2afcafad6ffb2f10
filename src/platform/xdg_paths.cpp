#include "platform/xdg_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tessaly::platform {
namespace {

QString xdgFolder(const char* variable, const QString& fallbackBelowHome) {
  const QString value = qEnvironmentVariable(variable);
  // The XDG rules ignore relative values.
  if (!value.isEmpty() && QDir::isAbsolutePath(value)) return QDir::cleanPath(value);
  return QDir::cleanPath(homeFolder() + u'/' + fallbackBelowHome);
}

}  // namespace

QString homeFolder() { return QDir::homePath(); }
QString configHome() { return xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config")); }
QString dataHome() { return xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share")); }
QString cacheHome() { return xdgFolder("XDG_CACHE_HOME", QStringLiteral(".cache")); }

QString hiveFilePath() { return configHome() + QStringLiteral("/tessaly/registry.ini"); }
QString foldersListPath() { return dataHome() + QStringLiteral("/tessaly/folders.txt"); }

QString manualFolder() {
  // Installed layout first (bin/../share/tessaly/manual), then the build tree.
  const QString appDir = QCoreApplication::applicationDirPath();
  for (const QString& candidate : {appDir + QStringLiteral("/../share/tessaly/manual"),
                                   appDir + QStringLiteral("/manual"),
                                   QStringLiteral(TESSALY_SOURCE_MANUAL)}) {
    if (QFileInfo::exists(candidate + QStringLiteral("/index.html"))) return QDir::cleanPath(candidate);
  }
  return QDir::cleanPath(appDir + QStringLiteral("/../share/tessaly/manual"));
}

}  // namespace tessaly::platform
