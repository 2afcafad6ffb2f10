#pragma once

#include <QDialog>
#include <QList>
#include <functional>
#include <optional>

#include "core/dates/date_query.h"
#include "core/grid/file_table.h"
#include "ui/common/win_place.h"
#include "ui/scan/scan_frame.h"

class QAction;
class QActionGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tessaly {

class DateBox;
class DriveCheckList;
class MarkedGrid;
class WalkPacer;

// "Files in a range of dates": the files whose last access, creation or last modification lies
// on or before a day, between two days or on or after a day, on the ticked drives and folders
// and matching a pattern, in a marked result grid whose files can be handed to the deletion
// window.
class TfrmMods final : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmMods(QWidget* parent = nullptr);
  ~TfrmMods() override;

  QWidget* Panel1;
  QGroupBox* rgWhat;
  QRadioButton* rbAccessed;
  QRadioButton* rbCreated;
  QRadioButton* rbModified;
  QGroupBox* rgWhen;
  QRadioButton* rbOnOrBefore;
  QRadioButton* rbInBetween;
  QRadioButton* rbOnOrAfter;
  DateBox* dtStart;
  QLabel* lblAnd;
  DateBox* dtEnd;
  QComboBox* cbWildCard;
  QLabel* lblWild;
  DriveCheckList* pckDrive;
  QPushButton* btOK;
  QPushButton* btClose;
  QPushButton* btAbort;
  QPushButton* btOptions;
  QPushButton* btBrowse;
  QPushButton* btDetails;
  QPushButton* btMark;
  QPushButton* btDelete;
  MarkedGrid* grid;
  QLabel* pnlScan;
  QMenu* PopupMenu1;
  QList<QAction*> sortItems;  // "&Name" ... "&Type", in column order
  QAction* Addafoldertolistofdrives1;

  // "&Start": the search over the ticked drives, unless a date box does not hold a date.
  void btOKClick();
  void btAbortClick();
  void btBrowseClick();
  // The sort item of one command (its column), in its direction for this use.
  void sortBy(int command);
  // The query the controls hold; nullopt, after telling the user, when a date box holds no date.
  std::optional<DateQuery> currentQuery();
  QString printTitle() const;

  // The browse window on the folder with the file selected; tests put their own in place.
  std::function<void(const QString& folder, const QString& file)> browseFile;
  // Keeps the window live during a search; tests put their own in place.
  WalkPacer* pacer = nullptr;

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildPanel();
  void buildMenu();
  void FormShow();
  void ClearGrid();
  void rgWhenClick();
  void dtStartChange();
  void dtEndChange();
  void cbWildCardChange();
  void pckDriveClick();
  void Addafoldertolistofdrives1Click();
  // The grid's columns, their widths fitted to the window's font.
  std::vector<FileColumn> gridColumns() const;
  DateKind chosenKind() const;
  DateRange chosenRange() const;

  QActionGroup* sortGroup_;
  ScanFrame frame_{{}};
  bool searching_ = false;
  bool shownOnce_ = false;
  TWinPlace place_;
};

}  // namespace tessaly
