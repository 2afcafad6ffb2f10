#pragma once

#include <QDialog>
#include <QList>
#include <functional>

#include "core/deletion/folder_run.h"
#include "core/folderhogs/folder_hogs.h"
#include "ui/deletion/del_directory_window.h"
#include "ui/scan/scan_frame.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;

namespace tessaly {

class DriveCheckList;
class FolderGrid;
class ReportCommands;
class TopPanelActions;
class WalkPacer;

// "Folder Hogs": the folders that take the most space on the ticked drives and folders, either
// the main folders below each one with their whole subtree or every folder with its own files,
// largest first. A folder can be browsed or cleaned out whole through the folder deletion window.
class TfrmDirHog final : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmDirHog(QWidget* parent = nullptr);
  ~TfrmDirHog() override;

  QWidget* Panel1;
  DriveCheckList* pckDrive;
  QPushButton* btTop;
  QPushButton* btAll;
  QPushButton* btClose;
  QPushButton* btAbort;
  QPushButton* btOptions;
  QPushButton* btBrowse;
  QPushButton* btDelete;
  FolderGrid* grid;
  QLabel* pnlScan;
  QMenu* PopupMenu1;
  QAction* HighlightFolders1;
  QAction* Addafolder1;
  QList<QAction*> sortItems;  // in the order of FolderHogsSort

  void btTopClick() { scan(FolderHogsMode::MainFolders); }
  void btAllClick() { scan(FolderHogsMode::AllFolders); }
  void btAbortClick();
  // "Clean?" and a double click: the chosen row's folder to the folder deletion window.
  void btDeleteClick();
  void btBrowseClick();
  void sortBy(FolderHogsSort command);
  QString printTitle() const;
  ReportCommands* reports() const { return reports_; }
  TopPanelActions* topPanel() const { return topPanel_; }

  // Shows the folder deletion window modally on the folder and returns what its run did.
  std::function<FolderRunReport(const QString& folder)> runFolderDeletion;
  FolderDeletionServices deletionServices;
  // The browse window on a folder, all its files shown; tests put their own in place.
  std::function<void(const QString& folder)> browseFolder;
  ProtectionCheck* protection = nullptr;  // the program's safe harbor when null
  // Keeps the window live during a scan; tests put their own in place.
  WalkPacer* pacer = nullptr;

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildPanel();
  void buildMenu();
  void FormShow();
  void scan(FolderHogsMode mode);
  void clearGrid();
  void pckDriveClick();
  void Addafolder1Click();
  void highlightSafeHarbor(bool shown);

  QActionGroup* sortGroup_;
  ReportCommands* reports_;
  TopPanelActions* topPanel_;
  ScanFrame frame_{{}};
  bool scanning_ = false;
  bool shownOnce_ = false;
};

}  // namespace tessaly
