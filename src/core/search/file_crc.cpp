#include "core/search/file_crc.h"

#include <zlib.h>

#include <QFile>

#include "platform/host_files.h"

namespace tessaly {

quint32 fileCRC(const QString& path) {
  QFile file;
  if (!platform::openForReading(path, &file, nullptr)) return 0;
  char block[2048];
  quint32 sum = 0;
  qint64 got = 0;
  while ((got = file.read(block, sizeof block)) > 0)
    sum += quint32(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(block), uInt(got)));
  return sum;
}

}  // namespace tessaly
