#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace tessaly {

// A drive list above the current folder's path and a list of its folders: picking a drive
// goes to its mount point; a double-click, Enter or Space opens the folder under the
// cursor, ".." goes up. Used by the unzip window and its destination dialog.
class FolderPicker : public QWidget {
  Q_OBJECT

 public:
  explicit FolderPicker(QWidget* parent = nullptr);
  const QString& folder() const { return folder_; }
  // False (and nothing changes) when the folder cannot be read.
  bool setFolder(const QString& folder);
  void refresh() { setFolder(folder_); }

  QComboBox* driveCombo = nullptr;
  QLabel* lblFolder = nullptr;  // the current folder, in full
  QListWidget* folderList = nullptr;

 Q_SIGNALS:
  void folderChanged(const QString& folder);
  void folderActivated();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void openItem(const QListWidgetItem* item);
  QString folder_;
};

}  // namespace tessaly
