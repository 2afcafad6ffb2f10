#pragma once

#include <QString>
#include <QStringList>

namespace tessaly::platform {

// The folders the operating system lives in (in place of the Windows and System folders);
// each is protected together with every folder below it.
QStringList systemFolders();

// The program search path as the environment gives it, folders separated by ":".
QString searchPathVariable();

}  // namespace tessaly::platform
