#include "platform/read_only_file.h"

#include "platform/host_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tessaly::platform {
namespace {

constexpr qint64 kStatBlockSize = 512;  // the unit of st_blocks
constexpr qint64 kNanosecondsPerSecond = 1000000000;

qint64 nanoseconds(const timespec& time) { return qint64(time.tv_sec) * kNanosecondsPerSecond + time.tv_nsec; }

ReadOnlyFile::Version versionOf(const struct stat& status) {
  return {qint64(status.st_size), nanoseconds(status.st_mtim), nanoseconds(status.st_ctim)};
}

}  // namespace

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = other.fd_;
    size_ = other.size_;
    opened_ = other.opened_;
    mayHaveHoles_ = other.mayHaveHoles_;
    other.fd_ = -1;
  }
  return *this;
}

bool ReadOnlyFile::open(const QString& path) {
  close();
  // O_NONBLOCK: opening a pipe with no writer would otherwise wait for one.
  const int fd = ::open(encodePath(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    foundNoFile_ = errno == ENOENT || errno == ENOTDIR || errno == ELOOP || errno == ENXIO;
    return false;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    foundNoFile_ = true;
    ::close(fd);
    return false;
  }
  fd_ = fd;
  size_ = qint64(status.st_size);
  opened_ = versionOf(status);
  mayHaveHoles_ = qint64(status.st_blocks) * kStatBlockSize < size_;
  return true;
}

void ReadOnlyFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  size_ = 0;
  opened_ = {};
  mayHaveHoles_ = false;
  foundNoFile_ = false;
}

qint64 ReadOnlyFile::readAt(qint64 offset, char* into, qint64 length) const {
  if (fd_ < 0 || offset < 0 || length < 0) return -1;
  qint64 total = 0;
  while (total < length) {
    const ssize_t got = ::pread(fd_, into + total, size_t(length - total), off_t(offset + total));
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      return total > 0 ? total : -1;
    }
    total += got;
  }
  return total;
}

bool ReadOnlyFile::version(Version* now) const {
  struct stat status {};
  if (fd_ < 0 || ::fstat(fd_, &status) != 0) return false;
  *now = versionOf(status);
  return true;
}

qint64 ReadOnlyFile::dataFrom(qint64 offset) const {
  if (!mayHaveHoles_ || fd_ < 0) return offset;
  const off_t data = ::lseek(fd_, off_t(offset), SEEK_DATA);
  if (data >= 0) return qint64(data);
  return errno == ENXIO ? size_ : offset;
}

}  // namespace tessaly::platform
