#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/installed_software.h"

namespace tessaly {

// The folder an installed-software value names: the value up to and including its last "/".
// Empty unless the value is one absolute local path: it begins with a single "/", holds more
// than the root, and holds no ":" (a list of paths) and no line break.
QString folderOfValue(const QString& value);

// The build's scan: adds to folders the folder of every value that passes folderOfValue, is not
// yet listed (exact comparison: paths are case-significant here), exists, and does not lie on a
// removable drive. Calls added with each folder added. Returns the number added.
int addInstalledSoftwareFolders(QStringList& folders, const platform::InstalledSoftwareSource& source,
                                const std::function<void(const QString& folder)>& added);

}  // namespace tessaly
