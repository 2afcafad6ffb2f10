#pragma once

#include <QString>

namespace tessaly::shots {

// A small Windows program with version information, written into the folder for the file
// windows to show; its path.
QString writeSampleProgram(const QString& folder);

}  // namespace tessaly::shots
