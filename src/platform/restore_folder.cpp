#include "platform/restore_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <climits>
#include <deque>

#include "platform/host_path.h"

namespace tessaly::platform {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
constexpr mode_t kNewFolder = 0777;   // narrowed by the umask, as any new folder is
constexpr mode_t kNewFile = 0600;     // until the archived bits are given
constexpr quint32 kRestoredBits = 01777;  // never the set-user-id or set-group-id bit
constexpr int kLinkLimit = 40;        // as the kernel's own

const QString kOutside = QStringLiteral("The path leads out of the destination folder.");
const QString kForeignLink = QStringLiteral("The path passes a link owned by another user, which is not followed.");

OpenFolder failed(RestoreFailure kind, const QString& why, RestoreFailure* failure, QString* reason) {
  *failure = kind;
  if (reason) *reason = why;
  return {};
}

OpenFolder openFolderAt(int at, const QByteArray& name, int extraFlags) {
  return OpenFolder::fromDescriptor(::openat(at, name.constData(), kFolderFlags | extraFlags));
}

// The path a descriptor names now, as the kernel keeps it.
QByteArray pathOf(int fd) {
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink(("/proc/self/fd/" + QByteArray::number(fd)).constData(), buffer, sizeof buffer);
  return length > 0 ? QByteArray(buffer, length) : QByteArray();
}

QList<QByteArray> partsOf(const QByteArray& path) { return path.split('/'); }

}  // namespace

bool RestoreFolder::open(const QString& destination, QString* reason) {
  root_ = OpenFolder::fromDescriptor(::open(encodePath(destination).constData(), kFolderFlags));
  if (!root_.isOpen()) {
    if (reason) *reason = systemErrorText(errno);
    return false;
  }
  rootPath_ = pathOf(root_.descriptor());
  return !rootPath_.isEmpty();
}

bool RestoreFolder::isInside(const OpenFolder& folder) const {
  if (rootPath_ == "/") return true;
  const QByteArray path = pathOf(folder.descriptor());
  return path == rootPath_ || path.startsWith(rootPath_ + '/');
}

OpenFolder RestoreFolder::enter(const QStringList& parts, RestoreFailure* failure, QString* reason) const {
  struct Step {
    QByteArray name;
    bool mayMake;  // a folder the entry names; the parts of a link's target must exist
  };
  std::deque<Step> steps;
  for (const QString& part : parts) steps.push_back({encodePath(part), true});
  OpenFolder current = openFolderAt(root_.descriptor(), ".", 0);
  int linksFollowed = 0;
  while (current.isOpen() && !steps.empty()) {
    const Step step = steps.front();
    steps.pop_front();
    if (step.name.isEmpty() || step.name == ".") continue;
    struct stat st;
    if (step.name != ".." && ::fstatat(current.descriptor(), step.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT || !step.mayMake) return failed(RestoreFailure::System, systemErrorText(errno), failure, reason);
      if (!isInside(current)) return failed(RestoreFailure::Refused, kOutside, failure, reason);
      if (::mkdirat(current.descriptor(), step.name.constData(), kNewFolder) != 0 && errno != EEXIST)
        return failed(RestoreFailure::System, systemErrorText(errno), failure, reason);
    } else if (step.name != ".." && S_ISLNK(st.st_mode)) {
      if (st.st_uid != 0 && st.st_uid != ::geteuid()) return failed(RestoreFailure::Refused, kForeignLink, failure, reason);
      char target[PATH_MAX];
      const ssize_t length = ::readlinkat(current.descriptor(), step.name.constData(), target, sizeof target);
      if (++linksFollowed > kLinkLimit || length <= 0)
        return failed(RestoreFailure::System, systemErrorText(length <= 0 ? errno : ELOOP), failure, reason);
      const QByteArray targetPath(target, length);
      if (targetPath.startsWith('/')) current = OpenFolder::fromDescriptor(::open("/", kFolderFlags));
      const QList<QByteArray> targetParts = partsOf(targetPath);
      for (auto part = targetParts.rbegin(); part != targetParts.rend(); ++part) steps.push_front({*part, false});
      continue;
    } else if (step.name != ".." && !S_ISDIR(st.st_mode)) {
      return failed(RestoreFailure::System, systemErrorText(ENOTDIR), failure, reason);
    }
    current = openFolderAt(current.descriptor(), step.name, step.name == ".." ? 0 : O_NOFOLLOW);
  }
  if (!current.isOpen()) return failed(RestoreFailure::System, systemErrorText(errno), failure, reason);
  if (!isInside(current)) return failed(RestoreFailure::Refused, kOutside, failure, reason);
  *failure = RestoreFailure::None;
  return current;
}

RestoreFailure RestoreFolder::createFile(const OpenFolder& folder, const QString& name, QFile* file, QString* reason) {
  const int fd = ::openat(folder.descriptor(), encodePath(name).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFile);
  if (fd < 0) {
    const int error = errno;
    if (reason) *reason = systemErrorText(error);
    return error == EEXIST ? RestoreFailure::Exists : RestoreFailure::System;
  }
  if (file->open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) return RestoreFailure::None;
  ::close(fd);
  if (reason) *reason = file->errorString();
  return RestoreFailure::System;
}

bool RestoreFolder::finishFile(const OpenFolder& folder, const QString& name, QFile* file, quint32 permissions,
                               qint64 modifiedSeconds, QString* reason) {
  if (!file->flush()) {
    if (reason) *reason = file->errorString();
    return false;
  }
  const bool moded = ::fchmod(file->handle(), mode_t(permissions & kRestoredBits)) == 0;
  const int modeError = errno;
  file->close();
  // Set after the close: a write still buffered would stamp the file with the present time.
  const struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(modifiedSeconds), 0}};
  const bool stamped = ::utimensat(folder.descriptor(), encodePath(name).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
  if (moded && stamped) return true;
  if (reason) *reason = systemErrorText(moded ? errno : modeError);
  return false;
}

void RestoreFolder::discardFile(const OpenFolder& folder, const QString& name) {
  ::unlinkat(folder.descriptor(), encodePath(name).constData(), 0);
}

}  // namespace tessaly::platform
