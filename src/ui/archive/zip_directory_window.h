#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace tessaly {

class FolderPicker;
class TfrmGetFolderName;

// "Destination folder": where an archive's files are restored. It starts at the archive's
// original root folder and asks before restoring anywhere else.
class TfrmZipDirectory : public QDialog {
  Q_OBJECT

 public:
  TfrmZipDirectory(const QString& archivePath, QWidget* parent = nullptr);
  // False when the start folder cannot be entered (the error has been shown).
  bool FormShow();
  QString chosenFolder() const;

  QLabel* lblZip = nullptr;
  QLabel* DirLabel = nullptr;
  FolderPicker* DLB = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;

  // Lets tests answer the folder name dialog; the dialog is shown modally otherwise.
  std::function<bool(TfrmGetFolderName&)> runFolderNameDialog;

 private:
  void Button1Click();
  void Button3Click();
  QString archivePath_;
  QString startFolder_;
  bool originalRootKnown_ = false;
};

}  // namespace tessaly
