#include "core/walk/drive_list.h"

#include "core/common/settings_store.h"

namespace tessaly {
namespace {

const QString kAddedFoldersSection = QStringLiteral("NewFolders");

}  // namespace

bool listsDriveKind(DriveListUse use, platform::DriveKind kind) {
  using platform::DriveKind;
  switch (use) {
    case DriveListUse::ScanningTools: return kind != DriveKind::RamDisk;
    case DriveListUse::FilesAccessed: return kind == DriveKind::Removable || kind == DriveKind::Fixed || kind == DriveKind::Network;
    case DriveListUse::Statistics: return kind != DriveKind::Removable;
  }
  return false;
}

QList<DriveListItem> driveListItems(DriveListUse use, bool withAddedFolders) {
  QList<DriveListItem> items;
  for (const platform::DriveInfo& drive : platform::driveTable().drives()) {
    if (listsDriveKind(use, drive.kind)) items.append({drive.itemText(), drive.mountPoint, false, drive.kind, false});
  }
  const QString current = platform::currentDrive().itemText();
  bool ticked = false;
  for (DriveListItem& item : items) ticked |= (item.ticked = item.text == current);
  // The host's counterpart of drive C: the root file system.
  if (!ticked) {
    for (DriveListItem& item : items) item.ticked = item.path == QStringLiteral("/");
  }
  if (withAddedFolders) {
    for (const QString& folder : readAddedFolders()) items.append({folder, folder, true, platform::DriveKind::Fixed, false});
  }
  return items;
}

QStringList readAddedFolders() { return programSettings().readList(kAddedFoldersSection, {}); }

void writeAddedFolders(const QStringList& folders) { programSettings().writeList(kAddedFoldersSection, folders); }

}  // namespace tessaly
