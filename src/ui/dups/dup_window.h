#pragma once

#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>

#include "core/search/keep_one_copy.h"
#include "core/search/match_mode.h"
#include "core/search/size_condition.h"
#include "ui/common/win_place.h"
#include "ui/dups/browse_hook.h"
#include "ui/dups/hog_sorts.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tessaly {

class DirectoryWalk;
class DriveCheckList;
class MarkedGrid;
class ScanFrame;
class TfrmDupCompare;

// "Find and delete duplicate files" and "Find and delete file hogs": one window for both tools,
// told apart by findDups for its whole life. The user sets the size condition, the pattern
// and (for duplicates) the match mode, ticks drives and folders, searches, and marks files in
// the result grid to hand them to the deletion window.
class TfrmDup final : public QDialog {
  Q_OBJECT

 public:
  // pairs is the program's pair comparison window, which "P&airs" shows (duplicates mode).
  TfrmDup(bool findDups, TfrmDupCompare* pairs, QWidget* owner = nullptr);
  ~TfrmDup() override;

  bool findDups() const { return findDups_; }
  // The match mode of the last search.
  MatchMode matchMode() const { return matchMode_; }
  bool searching() const;

  // Toggles the mark of one row; "Clean?" follows. The pair comparison window marks through it.
  void MarkThisFile(int row);
  // The row the grid's current row is on, and moving it.
  int currentRow() const;
  void setCurrentRow(int row);
  // The title of the printed list: the mode, the size condition, the pattern, the ticked entries.
  QString printTitle() const;

  // The browse window; tests put their own in place.
  std::function<void(const BrowseRequest&)> browseFolder;

  QWidget* Panel1 = nullptr;
  QRadioButton* rbLarger = nullptr;
  QRadioButton* rbSmaller = nullptr;
  QRadioButton* rbBetween = nullptr;
  QSpinBox* num1 = nullptr;
  QComboBox* cbKB1 = nullptr;
  QLabel* lblAnd = nullptr;
  QSpinBox* num2 = nullptr;
  QLabel* Label3 = nullptr;
  QComboBox* cbWildCard = nullptr;
  QLabel* lblWild = nullptr;
  QLabel* lblDup = nullptr;
  QComboBox* cbDup = nullptr;
  DriveCheckList* pckDrive = nullptr;
  QPushButton* btScan = nullptr;
  QPushButton* btClose = nullptr;
  QPushButton* btAbort = nullptr;
  QPushButton* btMark = nullptr;
  QPushButton* btDelete = nullptr;
  QPushButton* btOptions = nullptr;
  QPushButton* btBrowse = nullptr;
  QPushButton* btDetails = nullptr;
  QPushButton* btCompare = nullptr;
  MarkedGrid* grid = nullptr;
  QLabel* pnlSel = nullptr;

  QMenu* PopupMenu1 = nullptr;
  QAction* Details1 = nullptr;
  QAction* HighlightDups = nullptr;
  QAction* AddFolder1 = nullptr;
  QAction* Sort1 = nullptr;  // the "Sort" sub-menu, file-hogs mode only
  std::array<QAction*, kHogSortCount> sortActions{};
  QAction* Open1 = nullptr;
  QAction* View1 = nullptr;
  QAction* KeepOne1 = nullptr;  // the "Mark all but one in each group" sub-menu, duplicates only

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildSettings(QWidget* panel);
  void buildButtons(QWidget* panel);
  void buildMenu();
  void FormShow();
  void ClearGrid();
  void btScanClick();
  void scan();
  void rbLargerClick();
  void pckDriveClick();
  void cbWildCardChange();
  void btCompareClick();
  void BrowseDirectory1Click();
  void AddFolder1Click();
  void sortBy(int sort);
  void gridHeadingClicked(int column);
  // "Mark all but one in each group": the rule picks the file each group keeps.
  void markAllButOne(KeepRule rule);
  // The settings as the controls hold them.
  SizeCondition sizeCondition() const;
  SizeUnit sizeUnit() const;

  bool findDups_;
  QPointer<TfrmDupCompare> pairs_;
  MatchMode matchMode_ = MatchMode::FilenameOnly;
  std::vector<quint32> groupStarts_;  // the first row of each group the grid shows
  std::unique_ptr<ScanFrame> frame_;
  TWinPlace placement_;
  bool shownOnce_ = false;
};

}  // namespace tessaly
