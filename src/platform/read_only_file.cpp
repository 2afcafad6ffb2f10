#include "platform/read_only_file.h"

#include "platform/host_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tessaly::platform {

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = other.fd_;
    size_ = other.size_;
    other.fd_ = -1;
  }
  return *this;
}

bool ReadOnlyFile::open(const QString& path) {
  close();
  // O_NONBLOCK: opening a pipe with no writer would otherwise wait for one.
  const int fd = ::open(encodePath(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  size_ = qint64(status.st_size);
  return true;
}

void ReadOnlyFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  size_ = 0;
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

}  // namespace tessaly::platform
