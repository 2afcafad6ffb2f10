#include "platform/host_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/host_path.h"

namespace tessaly::platform {
namespace {

constexpr mode_t kOwnerOnly = 0600;
constexpr mode_t kNewFolder = 0777;  // narrowed by the umask, as any new folder is

bool failWith(int errorNumber, QString* reason) {
  if (reason) *reason = systemErrorText(errorNumber);
  return false;
}

bool adopt(int fd, QFile* file, QIODevice::OpenMode mode, QString* reason) {
  if (file->open(fd, mode, QFileDevice::AutoCloseHandle)) return true;
  if (reason) *reason = file->errorString();
  ::close(fd);
  return false;
}

}  // namespace

bool removeFile(const QString& path, QString* reason) {
  return ::unlink(encodePath(path).constData()) == 0 || failWith(errno, reason);
}

bool openForReading(const QString& path, QFile* file, QString* reason) {
  // O_NONBLOCK keeps a FIFO put in the file's place from blocking the open.
  const int fd = ::open(encodePath(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return failWith(errno, reason);
  struct stat st;
  int error = 0;
  if (::fstat(fd, &st) != 0) error = errno;
  else if (!S_ISREG(st.st_mode)) error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
  if (error != 0) {
    ::close(fd);
    return failWith(error, reason);
  }
  return adopt(fd, file, QIODevice::ReadOnly, reason);
}

bool openScratchFile(const QString& folder, QFile* file, QString* reason) {
  const QByteArray where = encodePath(folder);
  int fd = ::open(where.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, kOwnerOnly);
  if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
    // File systems without nameless files: a named one, unlinked at once.
    QByteArray pattern = where + (where.endsWith('/') ? "" : "/") + ".tessaly-spool-XXXXXX";
    fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0) ::unlink(pattern.constData());
  }
  if (fd < 0) return failWith(errno, reason);
  return adopt(fd, file, QIODevice::ReadWrite, reason);
}

QString absolutePath(const QString& path) {
  if (path.startsWith(u'/')) return QDir::cleanPath(path);
  char current[PATH_MAX];
  if (!::getcwd(current, sizeof current)) return QDir::cleanPath(path);
  return QDir::cleanPath(decodePath(current, qstrlen(current)) + u'/' + path);
}

QString resolvedPath(const QString& path) {
  char resolved[PATH_MAX];
  if (!::realpath(encodePath(path).constData(), resolved)) return {};
  return decodePath(resolved, qstrlen(resolved));
}

bool makeFolders(const QString& path, QString* reason) {
  const QByteArray bytes = encodePath(path);
  for (qsizetype slash = bytes.indexOf('/', 1);; slash = bytes.indexOf('/', slash + 1)) {
    const QByteArray part = slash < 0 ? bytes : bytes.left(slash);
    if (::mkdir(part.constData(), kNewFolder) != 0 && errno != EEXIST) return failWith(errno, reason);
    if (slash < 0) break;
  }
  struct stat st;
  if (::stat(bytes.constData(), &st) != 0) return failWith(errno, reason);
  return S_ISDIR(st.st_mode) || failWith(ENOTDIR, reason);
}

bool listFolder(const QString& folder, std::vector<FolderEntry>* entries) {
  const int fd = ::open(encodePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  DIR* dir = ::fdopendir(fd);
  if (!dir) {
    ::close(fd);
    return false;
  }
  while (const dirent* entry = ::readdir(dir)) {
    const char* name = entry->d_name;
    if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
    struct stat st;
    const bool isFolder = ::fstatat(fd, name, &st, 0) == 0 && S_ISDIR(st.st_mode);
    entries->push_back({decodePath(name, qstrlen(name)), isFolder});
  }
  ::closedir(dir);
  return true;
}

}  // namespace tessaly::platform
