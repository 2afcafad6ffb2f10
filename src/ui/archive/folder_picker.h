#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;

namespace tessaly {

// A drive list above a folder list: picking a drive goes to its mount point, double-clicking
// a folder enters it, ".." goes up. Used by the unzip window and its destination dialog.
class FolderPicker : public QWidget {
  Q_OBJECT

 public:
  explicit FolderPicker(QWidget* parent = nullptr);
  const QString& folder() const { return folder_; }
  // False (and nothing changes) when the folder cannot be read.
  bool setFolder(const QString& folder);
  void refresh() { setFolder(folder_); }

  QComboBox* driveCombo = nullptr;
  QListWidget* folderList = nullptr;

 Q_SIGNALS:
  void folderChanged(const QString& folder);
  void folderActivated();

 private:
  QString folder_;
};

}  // namespace tessaly
