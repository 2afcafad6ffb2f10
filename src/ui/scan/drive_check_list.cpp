#include "ui/scan/drive_check_list.h"

#include <QIcon>
#include <QStyle>

namespace tessaly {
namespace {

QIcon pictureOf(const QStyle* style, const DriveListItem& item) {
  using platform::DriveKind;
  if (item.addedFolder) return style->standardIcon(QStyle::SP_DirIcon);
  switch (item.kind) {
    case DriveKind::Removable: return style->standardIcon(QStyle::SP_DriveFDIcon);
    case DriveKind::CdRom: return style->standardIcon(QStyle::SP_DriveCDIcon);
    case DriveKind::Network: return style->standardIcon(QStyle::SP_DriveNetIcon);
    case DriveKind::Fixed:
    case DriveKind::RamDisk: break;
  }
  return style->standardIcon(QStyle::SP_DriveHDIcon);
}

}  // namespace

DriveCheckList::DriveCheckList(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("pckDrive"));
  connect(this, &QListWidget::itemChanged, this, [this] { Q_EMIT ticksChanged(); });
}

void DriveCheckList::setItems(const QList<DriveListItem>& items) {
  const QSignalBlocker quiet(this);
  clear();
  items_ = items;
  for (const DriveListItem& item : items) {
    auto* line = new QListWidgetItem(pictureOf(style(), item), item.text, this);
    line->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    line->setCheckState(item.ticked ? Qt::Checked : Qt::Unchecked);
  }
}

QList<DriveListItem> DriveCheckList::items() const {
  QList<DriveListItem> now = items_;
  for (int row = 0; row < count(); ++row) now[row].ticked = item(row)->checkState() == Qt::Checked;
  return now;
}

QList<WalkRoot> DriveCheckList::tickedRoots() const {
  QList<WalkRoot> roots;
  for (const DriveListItem& line : items())
    if (line.ticked) roots.append(line.root());
  return roots;
}

bool DriveCheckList::anyTicked() const {
  for (int row = 0; row < count(); ++row)
    if (item(row)->checkState() == Qt::Checked) return true;
  return false;
}

void DriveCheckList::setAllTicked(bool ticked) {
  {
    const QSignalBlocker quiet(this);
    for (int row = 0; row < count(); ++row) item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
  }
  Q_EMIT ticksChanged();
}

void fillDriveList(DriveCheckList& list, DriveListUse use, bool withAddedFolders) {
  list.setItems(driveListItems(use, withAddedFolders));
}

}  // namespace tessaly
