#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListView;
class QPushButton;
class QTabWidget;

namespace tessaly {

class FolderEntriesModel;
class PatternListView;

// "Build safe harbor": the folder list (folders.txt) with its build from the installed
// software, and the protected file types. After it closes the main window reloads the safe
// harbor when listsChanged() is set.
class TfrmNoDelete final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmNoDelete(QWidget* parent);
  ~TfrmNoDelete() override;

  // The folder list must be saved when the window closes.
  bool foldersChanged() const { return foldersChanged_; }
  // The main window must reload its safe harbor lists.
  bool listsChanged() const { return listsChanged_; }
  QStringList folderEntries() const;

  void btAddClick();
  void btDelClick();
  void btEditClick();
  void btBuildClick();
  void BitBtn1Click();

  void done(int result) override;

  QTabWidget* pages;
  QLabel* lblHeading;
  QListView* ListBox1;
  QLabel* lblWhen;
  QLabel* lblToday;
  QLabel* lblCount;
  QPushButton* btAdd;
  QPushButton* btDel;
  QPushButton* btEdit;
  QPushButton* btBuild;
  PatternListView* PickList1;
  QPushButton* BitBtn1;
  QPushButton* btClose;

 private:
  QWidget* folderPage();
  QWidget* typesPage();
  void ReadInFromDisk();
  void updatecount();
  void updateLastDate();
  void pruneListBox();
  void setBuilding(bool building);

  FolderEntriesModel* folders_;
  QStringList lbTmp;
  bool foldersChanged_ = false;
  bool listsChanged_ = false;
};

}  // namespace tessaly
