#include "platform/file_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/host_path.h"

namespace tessaly::platform {
namespace {

bool syncDescriptorOf(const QByteArray& path, int flags) {
  const int fd = ::open(path.constData(), flags | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

}  // namespace

bool syncToDisk(const QString& path) {
  const QByteArray bytes = encodePath(path);
  const qsizetype slash = bytes.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : bytes.left(slash);
  // The rename that saved the file is only durable once its folder is synced too.
  return syncDescriptorOf(bytes, O_RDONLY) && syncDescriptorOf(folder, O_RDONLY | O_DIRECTORY);
}

}  // namespace tessaly::platform
