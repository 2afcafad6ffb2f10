#pragma once

#include <QString>
#include <vector>

class QFile;

namespace tessaly::platform {

// File operations on paths kept by the program, each handing the path's own bytes to the
// host (see host_path.h) and giving the host's reason when it fails.

// Removes a file (never a folder; a link is removed as a link).
bool removeFile(const QString& path, QString* reason);

// Opens a regular file for reading; a link in the last part of the path is refused.
bool openForReading(const QString& path, QFile* file, QString* reason);

// A nameless file in the folder, for data that must stay on that folder's file system; it
// is gone when closed.
bool openScratchFile(const QString& folder, QFile* file, QString* reason);

// The path made absolute against the current folder (whose bytes are kept), "." and ".."
// parts resolved as text.
QString absolutePath(const QString& path);

// The path with every link, "." and ".." resolved; empty when it does not exist.
QString resolvedPath(const QString& path);

// Makes the folder and every missing folder above it.
bool makeFolders(const QString& path, QString* reason);

struct FolderEntry {
  QString name;
  bool isFolder = false;  // a folder, or a link to one
};

// The entries of a folder without "." and "..", in the order the file system lists them.
bool listFolder(const QString& folder, std::vector<FolderEntry>* entries);

}  // namespace tessaly::platform
