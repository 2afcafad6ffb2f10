#include "support/temp_tree.h"

#include <sys/stat.h>
#include <utime.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessaly::testkit {
namespace {

const char* const kXdgVariables[3] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"};

}  // namespace

TempTree::TempTree() { dir_.setAutoRemove(true); }

QString TempTree::file(const QString& relative, const QByteArray& contents) {
  const QString full = path(relative);
  QDir().mkpath(QFileInfo(full).path());
  QFile f(full);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(contents);
  return full;
}

QString TempTree::file(const QString& relative, qint64 size, char fill) {
  return file(relative, QByteArray(qsizetype(size), fill));
}

QString TempTree::folder(const QString& relative) {
  const QString full = path(relative);
  QDir().mkpath(full);
  return full;
}

void TempTree::setTimes(const QString& relative, qint64 accessSeconds, qint64 writeSeconds) {
  struct utimbuf times {};
  times.actime = time_t(accessSeconds);
  times.modtime = time_t(writeSeconds);
  ::utime(QFile::encodeName(path(relative)).constData(), &times);
}

TempXdg::TempXdg() {
  const QString folders[3] = {configHome(), dataHome(), cacheHome()};
  for (int i = 0; i < 3; ++i) {
    saved_[i] = qgetenv(kXdgVariables[i]);
    QDir().mkpath(folders[i]);
    qputenv(kXdgVariables[i], QFile::encodeName(folders[i]));
  }
}

TempXdg::~TempXdg() {
  for (int i = 0; i < 3; ++i) qputenv(kXdgVariables[i], saved_[i]);
}

}  // namespace tessaly::testkit
