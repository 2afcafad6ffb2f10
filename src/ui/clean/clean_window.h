#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>

#include "ui/common/win_place.h"
#include "ui/scan/scan_frame.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace tessaly {

class DriveCheckList;
class MarkedGrid;
class PatternListView;
class SortMenu;

// "Find and delete temporary files": finds the files of the chosen temporary types on the
// ticked drives and folders, lists them in a marked grid and hands the marked ones to the
// deletion window.
class TfrmClean final : public QDialog {
  Q_OBJECT
 public:
  // The sort items, in the order of the "Sort" menu.
  enum SortCommand { SortBySize, SortByDate, SortByAccess, SortByName, SortByType };

  explicit TfrmClean(QWidget* parent = nullptr);
  ~TfrmClean() override;

  void btScanClick();
  void btAbortClick();
  void btEditClick();
  void btBrowseClick();
  void selectAllExtensions(bool selected);

  // The pattern lines chosen now.
  QStringList selectedPatternLines() const;
  qint64 tempFilesFound() const { return tempFilesFound_; }
  bool scanning() const { return scanFrame_->running(); }
  SortMenu* sortMenu() const { return sortMenu_; }
  // The printed report's title: "Temporary files on drive(s) " and each ticked entry.
  QString printTitle() const;

  void reject() override;

  QWidget* pnlTop;
  PatternListView* PickList1;
  DriveCheckList* pckDrive;
  MarkedGrid* grid;
  QPushButton* btScan;
  QPushButton* btAbort;
  QPushButton* btClose;
  QPushButton* btMark;
  QPushButton* btDelete;
  QPushButton* btEdit;
  QPushButton* btOptions;
  QPushButton* btBrowse;
  QPushButton* btDetails;
  QLabel* pnlSel;
  QMenu* PopupMenu1;
  QAction* SelectAll1;
  QAction* DeselectAll1;
  QAction* AddFolder1;

  // Opens the browse window on a file's folder; tests put their own
  // in place.
  std::function<void(const QString& path)> browseFile;
  // The pattern editor, shown modally; tests put their own in place.
  std::function<void()> editPatterns;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormShow();
  void ReadInFromDisk();
  void ClearGrid();
  void buildMenus();
  void layOutWindow();
  void addFolderToDrives();

  std::unique_ptr<ScanFrame> scanFrame_;
  SortMenu* sortMenu_;
  TWinPlace placement_;
  qint64 tempFilesFound_ = 0;
  bool shownOnce_ = false;
};

}  // namespace tessaly
