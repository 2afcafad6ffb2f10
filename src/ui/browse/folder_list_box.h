#pragma once

#include <QListWidget>

namespace tessaly {

// The browse window's folder list: the folders from the drive's root down to the current
// folder, then the current folder's sub-folders, each a step further in. A double-click or
// Enter on a folder makes it the current one.
class FolderListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit FolderListBox(QWidget* parent = nullptr);

  // root: the mount point of the drive that holds the folder.
  void showFolder(const QString& root, const QString& folder);
  // The folder an entry stands for.
  static QString folderOf(const QListWidgetItem* item);

 Q_SIGNALS:
  void folderChosen(const QString& folder);

 private:
  void addFolder(const QString& path, const QString& text, int depth, bool open);
};

}  // namespace tessaly
