#pragma once

#include <QByteArray>
#include <QString>

#include "platform/directory_reader.h"

namespace tessaly::platform {

// What became of an entry a folder run tried to remove.
enum class RemovalResult : quint8 { Removed, NotEmpty, Failed };

// Removes an entry of an open folder by its name, never through a path: a folder swapped for
// a link after it was opened cannot send the removal anywhere else. A link is removed as a
// link. NotEmpty is a folder that still holds something.
RemovalResult removeEntryAt(const OpenFolder& folder, const char* name, bool isFolder, QString* reason);

// A real sub-folder opened by its name (never a link, never an automount), with the system's
// reason when it cannot be.
OpenFolder openSubFolder(const OpenFolder& parent, const char* name, QString* reason);

// A folder the user named by its path (links in the path followed), with the system's reason
// when it cannot be opened.
OpenFolder openFolderPath(const QString& path, QString* reason);

// The path, looked at without following a link in its last part, is this very entry (same
// device and inode): the path-based services (trash, archive) reach what the descriptor shows.
bool pathNames(const QString& path, const EntryStatus& status);

}  // namespace tessaly::platform
