#pragma once

#include <QString>
#include <QStringList>

#include "platform/drive_table.h"

namespace tessaly {

// ".xyz" -> the host's description, else its type name, else "XYZ File"; "*." -> "No extension".
QString fileTypeDescription(const QString& ext);
// "*.ext" for every known extension of at most 5 characters with its dot, sorted without
// regard to case; "*.*" first when withAll is set. An extension known in two spellings is
// offered once, in lower case ("*.c", not "*.C").
QStringList registeredExtensions(bool withAll);

platform::DiskSpace getDiskSpace(const QString& root);
bool pathDriveReady(const QString& path);

// The extension of a file name with its dot (".doc"), empty when there is none.
QString extensionOf(const QString& fileName);

}  // namespace tessaly
