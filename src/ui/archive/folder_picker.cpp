#include "ui/archive/folder_picker.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QVBoxLayout>

#include "platform/drive_table.h"

namespace tessaly {

FolderPicker::FolderPicker(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  driveCombo = new QComboBox(this);
  driveCombo->setObjectName(QStringLiteral("DriveComboBox1"));
  for (const platform::DriveInfo& drive : platform::driveTable().drives())
    driveCombo->addItem(drive.itemText(), drive.mountPoint);
  folderList = new QListWidget(this);
  folderList->setObjectName(QStringLiteral("DirectoryListBox1"));
  layout->addWidget(driveCombo);
  layout->addWidget(folderList);
  connect(driveCombo, &QComboBox::activated, this,
          [this](int index) { setFolder(driveCombo->itemData(index).toString()); });
  connect(folderList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    setFolder(QDir::cleanPath(QDir(folder_).filePath(item->text())));
    Q_EMIT folderActivated();
  });
}

bool FolderPicker::setFolder(const QString& folder) {
  const QDir dir(folder);
  if (!dir.exists() || !dir.isReadable()) return false;
  folder_ = QDir::cleanPath(dir.absolutePath());
  folderList->clear();
  if (!dir.isRoot()) folderList->addItem(QStringLiteral(".."));
  folderList->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase));
  const platform::DriveInfo drive = platform::driveHolding(folder_);
  const int index = driveCombo->findData(drive.mountPoint);
  if (index >= 0) driveCombo->setCurrentIndex(index);
  Q_EMIT folderChanged(folder_);
  return true;
}

}  // namespace tessaly
