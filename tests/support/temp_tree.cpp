#include "support/temp_tree.h"

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <QDir>
#include <QFile>

#include "platform/host_files.h"
#include "platform/host_path.h"

namespace tessaly::testkit {
namespace {

const char* const kXdgVariables[3] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"};
constexpr int kOpenFolderLimit = 64;

QString parentOf(const QString& path) { return path.left(path.lastIndexOf(u'/')); }

// Goes on past what cannot be removed; QTemporaryDir tries again after.
int removeEntry(const char* path, const struct stat*, int, struct FTW*) {
  ::remove(path);
  return 0;
}

}  // namespace

TempTree::TempTree() { dir_.setAutoRemove(true); }

// Qt's own removal cannot reach names that are not UTF-8; the tree goes by its bytes first.
TempTree::~TempTree() {
  ::nftw(platform::encodePath(root()).constData(), removeEntry, kOpenFolderLimit, FTW_DEPTH | FTW_PHYS);
}

// Names are written with their own bytes, so a test can make names that are not UTF-8.
QString TempTree::file(const QString& relative, const QByteArray& contents) {
  const QString full = path(relative);
  platform::makeFolders(parentOf(full), nullptr);
  const int fd = ::open(platform::encodePath(full).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd >= 0) {
    QFile f;
    if (f.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) f.write(contents);
    else ::close(fd);
  }
  return full;
}

QString TempTree::file(const QString& relative, qint64 size, char fill) {
  return file(relative, QByteArray(qsizetype(size), fill));
}

QString TempTree::folder(const QString& relative) {
  const QString full = path(relative);
  platform::makeFolders(full, nullptr);
  return full;
}

void TempTree::setTimes(const QString& relative, qint64 accessSeconds, qint64 writeSeconds) {
  struct utimbuf times {};
  times.actime = time_t(accessSeconds);
  times.modtime = time_t(writeSeconds);
  ::utime(platform::encodePath(path(relative)).constData(), &times);
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

TempHome::TempHome() : saved_(qgetenv("HOME")) { qputenv("HOME", QFile::encodeName(dir_.path())); }

TempHome::~TempHome() { qputenv("HOME", saved_); }

}  // namespace tessaly::testkit
