#include "platform/file_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

namespace tessaly::platform {
namespace {

bool syncDescriptorOf(const QString& path, int flags) {
  const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

}  // namespace

bool syncToDisk(const QString& path) {
  // The rename that saved the file is only durable once its folder is synced too.
  return syncDescriptorOf(path, O_RDONLY) && syncDescriptorOf(QFileInfo(path).absolutePath(), O_RDONLY | O_DIRECTORY);
}

}  // namespace tessaly::platform
