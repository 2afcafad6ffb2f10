#pragma once

#include <QString>

namespace tessaly::platform {

// Forces a written file and the folder entry naming it onto the disk, so that what was
// saved survives a power loss before anything that depends on it is removed.
bool syncToDisk(const QString& path);

}  // namespace tessaly::platform
