#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "core/grid/found_files.h"

namespace tessaly {

// One folder's files as the browse window lists them: the regular files whose names match the
// pattern, hidden ones (a leading dot) and anything that is not a regular file left out, in
// name order, with their total size.
struct FolderFiles {
  std::shared_ptr<FoundFiles> files = std::make_shared<FoundFiles>();
  qint64 totalBytes = 0;
};
FolderFiles listFolderFiles(const QString& folder, const QString& pattern);

// The sub-folders the browse window's folder list offers, hidden ones left out, in name order.
QStringList visibleSubFolders(const QString& folder);

// The folder above; "/" for a folder directly below it.
QString parentFolder(const QString& folder);

// What the window shows for a folder asked for: the path cleaned ("/a/b/../c/" is "/a/c"), and
// when it cannot be opened (removed since it was listed elsewhere, not a folder) the nearest
// folder above it that can.
QString nearestOpenFolder(const QString& folder);

}  // namespace tessaly
