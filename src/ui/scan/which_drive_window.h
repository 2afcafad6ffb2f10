#pragma once

#include <QDialog>
#include <functional>

#include "core/walk/drive_list.h"

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace tessaly {

class DriveCheckList;

// "Which drives and file types?": the three-page wizard the statistics window opens before
// each collection. Page 1 the drives, page 2 the mode, page 3 the file types of the mode.
class TfrmWhichDrive final : public QDialog {
  Q_OBJECT
 public:
  // Opens the editor of a type list (section "Include" or "Exclude") modally; by default the
  // statistics type list editor.
  using TypeListEditor = std::function<void(QWidget* parent, const QString& section)>;

  explicit TfrmWhichDrive(QWidget* parent = nullptr, TypeListEditor editTypeList = {});

  // The wizard result, once it ended with OK.
  QList<WalkRoot> tickedRoots() const;
  bool allFiles() const { return allFiles_; }
  bool selectedTypesOnly() const { return selectedOnly_; }
  bool allButSelectedTypes() const { return allBut_; }
  QStringList selectedTypeLines() const;

  void btNext1Click();
  void btNext2Click();
  void btPreviousClick();
  void btAddDeleteClick();
  void btOKClick();
  void pickListChanged();
  int currentPage() const;  // 1, 2 or 3

  DriveCheckList* pckDrive;
  QPushButton* btNext1;
  QRadioButton* rbAll;
  QRadioButton* rbSelected;
  QRadioButton* rbExcept;
  QPushButton* btNext2;
  QLabel* lblHeading;
  QLabel* lblCount;
  QListWidget* PickList1;
  QPushButton* btAddDelete;
  QPushButton* btOK;

 private:
  QWidget* drivesPage();
  QWidget* modePage();
  QWidget* typesPage();
  QString typeSection() const;
  void loadTypeList();
  void updateNext1();

  TypeListEditor editTypeList_;
  QStackedWidget* pages_;
  bool allFiles_ = true;
  bool selectedOnly_ = false;
  bool allBut_ = false;
};

}  // namespace tessaly
