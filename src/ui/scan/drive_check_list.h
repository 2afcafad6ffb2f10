#pragma once

#include <QListWidget>

#include "core/walk/drive_list.h"

namespace tessaly {

// The check list pckDrive of a scanning window: one line per drive or added folder, a tick
// for each one to be walked.
class DriveCheckList final : public QListWidget {
  Q_OBJECT
 public:
  explicit DriveCheckList(QWidget* parent = nullptr);

  void setItems(const QList<DriveListItem>& items);
  QList<DriveListItem> items() const;
  // The ticked items, top to bottom, as the walk takes them.
  QList<WalkRoot> tickedRoots() const;
  bool anyTicked() const;
  void setAllTicked(bool ticked);

 Q_SIGNALS:
  // A tick was set or cleared, by a click or by Select All / Deselect All.
  void ticksChanged();

 private:
  QList<DriveListItem> items_;
};

// Replaces the list's items by the drives of the window's kinds and, when asked, the added
// folders; the current drive ticked.
void fillDriveList(DriveCheckList& list, DriveListUse use, bool withAddedFolders);

}  // namespace tessaly
