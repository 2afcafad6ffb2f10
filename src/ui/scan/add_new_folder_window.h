#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tessaly {

// "Add new folders": edits the stored list of added folders (section NewFolders).
// "Close" stores the list; closing by the title bar discards the changes.
class TfrmAddNewFolder final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAddNewFolder(QWidget* parent = nullptr);

  void btAddClick();
  void btDelClick();
  void btCloseClick();
  QStringList folders() const;

  QListWidget* ListBox1;
  QPushButton* btAdd;
  QPushButton* btDel;
  QPushButton* btClose;
};

// Opens the window modally over parent; true when the list may have changed.
bool editAddedFolders(QWidget* parent);

}  // namespace tessaly
