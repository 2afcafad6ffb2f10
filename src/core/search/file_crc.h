#pragma once

#include <QString>

namespace tessaly {

// The sum, modulo 2^32, of the standard CRC-32 of each 2048-byte block of the file (the last
// block may be shorter). 0 for an empty file and for one that cannot be opened.
quint32 fileCRC(const QString& path);

}  // namespace tessaly
