#include "core/search/file_crc.h"

#include <zlib.h>

#include <QFile>

#include "platform/host_files.h"

namespace tessaly {

namespace {
constexpr qint64 kBlockBytes = 2048;
}  // namespace

quint32 fileCRC(const QString& path) { return readFileCRC(path).value_or(0); }

std::optional<quint32> readFileCRC(const QString& path) {
  QFile file;
  if (!platform::openForReading(path, &file, nullptr)) return std::nullopt;
  char block[kBlockBytes];
  quint32 sum = 0;
  qint64 got = 0;
  while ((got = file.read(block, sizeof block)) > 0)
    sum += quint32(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(block), uInt(got)));
  if (got < 0) return std::nullopt;
  return sum;
}

}  // namespace tessaly
