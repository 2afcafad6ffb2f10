#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "core/archive/zip_reader.h"

class QFileSystemWatcher;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QStandardItemModel;
class QTreeView;

namespace tessaly {

class FolderPicker;
class TfrmZipDirectory;

// "Unzip Tessaly Archive Zip Files": lists the program's archives in a folder, shows the
// entries and comment of one, and restores its files into a folder the user picks.
class TfrmUnZipIt : public QDialog {
  Q_OBJECT

 public:
  TfrmUnZipIt(const QString& defaultZipPath, QWidget* parent = nullptr);
  ~TfrmUnZipIt() override;

  FolderPicker* DirectoryListBox1 = nullptr;
  QListWidget* FileListBox1 = nullptr;
  QLabel* lblZip = nullptr;
  QLabel* lblCount = nullptr;
  QLabel* pnlComment = nullptr;
  QTreeView* Outline = nullptr;
  QPushButton* btView = nullptr;
  QPushButton* btExtract = nullptr;
  QPushButton* btClose = nullptr;
  QProgressBar* Gauge1 = nullptr;

  void FileListBox1DblClick();
  void ExtractFiles1Click();
  // Runs the destination dialog; tests replace it to pick the folder and answer.
  std::function<bool(TfrmZipDirectory&)> runDestinationDialog;

  // During an extraction Escape and the title bar's close stop it instead of closing.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  class Feedback;
  void FormShow();
  void fillArchiveList();
  void BtExtractEnable();
  void showOpenArchive();
  void watchFolder(const QString& folder);
  // While an extraction runs the window takes no input; Cancel alone stays live.
  void lockForExtraction(bool locked);
  QString selectedArchivePath() const;

  QString defaultZipPath_;
  ZipReader archive_;
  QStandardItemModel* tree_ = nullptr;
  QFileSystemWatcher* watcher_ = nullptr;
  bool shownOnce_ = false;
  bool extracting_ = false;
  bool cancelRequested_ = false;
};

}  // namespace tessaly
