#pragma once

#include <QString>
#include <QStringList>

namespace tessaly::platform {

// The desktop theme's icon names for the type of a file, the most specific first: the icon of
// its MIME type, then the generic icon of that type's family. Only a regular file's contents
// are looked at; anything else is known by its name alone.
QStringList fileTypeIconNames(const QString& path);

}  // namespace tessaly::platform
