#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/walk/directory_walk.h"
#include "platform/drive_table.h"

namespace tessaly {

// Which drive kinds a window lists.
enum class DriveListUse {
  ScanningTools,  // folder hogs, duplicate files / file hogs, quick clean
  FilesAccessed,
  Statistics,     // the drive and file-type wizard, the statistics Space page
};

// One line of a window's drive list: a drive or an added folder.
struct DriveListItem {
  QString text;
  QString path;  // the mount point, or the added folder
  bool addedFolder = false;
  platform::DriveKind kind = platform::DriveKind::Fixed;
  bool ticked = false;

  WalkRoot root() const { return {path, text}; }
};

bool listsDriveKind(DriveListUse use, platform::DriveKind kind);

// The drives of the kinds the use accepts, in mount-point order, then (when asked) the added
// folders; the current drive is ticked, or the root file system when the current drive is
// not listed.
QList<DriveListItem> driveListItems(DriveListUse use, bool withAddedFolders);

// The stored list of added folders (settings section NewFolders, no defaults).
QStringList readAddedFolders();
void writeAddedFolders(const QStringList& folders);

}  // namespace tessaly
