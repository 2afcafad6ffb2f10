#include "ui/archive/folder_picker.h"

#include <QCollator>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/common/text_routines.h"
#include "platform/drive_table.h"
#include "platform/host_files.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

const QString kUp = QStringLiteral("..");
constexpr int kNameRole = Qt::UserRole;  // the folder's own name, which the shown text may escape

QString parentOf(const QString& folder) {
  const qsizetype slash = folder.lastIndexOf(u'/');
  return slash <= 0 ? QStringLiteral("/") : folder.left(slash);
}

}  // namespace

FolderPicker::FolderPicker(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  driveCombo = new QComboBox(this);
  driveCombo->setObjectName(QStringLiteral("DriveComboBox1"));
  for (const platform::DriveInfo& drive : platform::driveTable().drives())
    driveCombo->addItem(drive.itemText(), drive.mountPoint);
  lblFolder = new QLabel(this);
  lblFolder->setObjectName(QStringLiteral("lblFolder"));
  lblFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblFolder->setWordWrap(true);
  folderList = new QListWidget(this);
  folderList->setObjectName(QStringLiteral("DirectoryListBox1"));
  folderList->installEventFilter(this);
  layout->addWidget(driveCombo);
  layout->addWidget(lblFolder);
  layout->addWidget(folderList);
  connect(driveCombo, &QComboBox::activated, this,
          [this](int index) { setFolder(driveCombo->itemData(index).toString()); });
  connect(folderList, &QListWidget::itemDoubleClicked, this, &FolderPicker::openItem);
}

// Enter and Space open the folder under the cursor. Taking the key here also keeps Enter
// from reaching a dialog's default button, which would act on the folder shown before.
bool FolderPicker::eventFilter(QObject* watched, QEvent* event) {
  if (watched == folderList && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
      openItem(folderList->currentItem());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FolderPicker::openItem(const QListWidgetItem* item) {
  if (!item) return;
  const QString name = item->data(kNameRole).toString();
  setFolder(name == kUp ? parentOf(folder_) : joinPath(folder_, name));
  Q_EMIT folderActivated();
}

bool FolderPicker::setFolder(const QString& folder) {
  const QString path = platform::absolutePath(folder);
  std::vector<platform::FolderEntry> entries;
  if (!platform::listFolder(path, &entries)) return false;
  folder_ = path;
  QStringList names;
  for (const platform::FolderEntry& entry : entries) {
    if (entry.isFolder) names.append(entry.name);
  }
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::sort(names.begin(), names.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
  if (folder_ != QStringLiteral("/")) names.prepend(kUp);
  folderList->clear();
  for (const QString& name : names) {
    auto* item = new QListWidgetItem(platform::displayPath(name), folderList);
    item->setData(kNameRole, name);
  }
  folderList->setCurrentRow(0);
  lblFolder->setText(platform::displayPath(folder_));
  const int index = driveCombo->findData(platform::driveHolding(folder_).mountPoint);
  if (index >= 0) driveCombo->setCurrentIndex(index);
  Q_EMIT folderChanged(folder_);
  return true;
}

}  // namespace tessaly
