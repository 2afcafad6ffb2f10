#pragma once

#include <QIcon>
#include <QString>

namespace tessaly {

// The icon to show for a path: the program's own folder picture for a folder; otherwise the
// desktop theme's icon of the file's type, or the program's own "no icon" picture when the
// theme has none.
QIcon iconfile(const QString& path);

// The program's own pictures.
QIcon directoryIcon();
QIcon noIcon();

}  // namespace tessaly
