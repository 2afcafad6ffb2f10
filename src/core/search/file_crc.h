#pragma once

#include <QString>
#include <optional>

namespace tessaly {

// The sum, modulo 2^32, of the standard CRC-32 of each 2048-byte block of the file (the last
// block may be shorter). 0 for an empty file and for one that cannot be opened.
quint32 fileCRC(const QString& path);
// The same sum; none when the file cannot be opened or read to its end.
std::optional<quint32> readFileCRC(const QString& path);

}  // namespace tessaly
