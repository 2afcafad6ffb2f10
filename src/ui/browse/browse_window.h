#pragma once

#include <QDialog>
#include <QList>
#include <functional>
#include <vector>

#include "core/grid/file_table.h"
#include "ui/common/win_place.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace tessaly {

class FolderListBox;
class MarkedGrid;
class TfrmDelDirectory;
class TfrmWildCard;

// "Browse through folders": one folder's files at a time in a marked grid, the folder list and
// the drives beside it; files are marked and handed to the deletion window, and a whole folder
// to the folder deletion window.
class TfrmBrowse : public QDialog {
  Q_OBJECT

 public:
  // folder: the folder shown first.
  explicit TfrmBrowse(const QString& folder, QWidget* parent = nullptr);
  ~TfrmBrowse() override;

  // What the "&Browse" buttons of the other windows call: shows the window modally on the folder
  // with the pattern ("*.*" when empty) and names a file of that folder. archiveFolder: the
  // program's archive folder where the caller holds it; the stored one when null.
  static void openOn(const QString& folder, const QString& pattern, const QString& file, QWidget* owner,
                     QString* archiveFolder = nullptr);

  // What the other windows set before showing it.
  void setFolder(const QString& folder);
  void setPattern(const QString& pattern);
  // A file of the folder the caller is about; nothing shows it.
  void setFileName(const QString& name) { fileName_ = name; }
  // The program's archive folder, which the zip options of both deletion windows update.
  void setArchiveFolder(QString* defaultZipPath);

  const QString& currentFolder() const { return folder_; }
  const QString& pattern() const { return pattern_; }

  QComboBox* DriveCombobox1 = nullptr;
  FolderListBox* DirectoryListBox1 = nullptr;
  QPushButton* btMenu = nullptr;
  QLabel* Label1 = nullptr;
  MarkedGrid* grid = nullptr;
  QPushButton* btDeleteDirectory = nullptr;
  QPushButton* btDetails = nullptr;
  QPushButton* btLaunch = nullptr;
  QPushButton* btView = nullptr;
  QPushButton* btMark = nullptr;
  QPushButton* btDeleteFiles = nullptr;
  QPushButton* btClose = nullptr;
  QLabel* pnlScan = nullptr;
  QPushButton* pnlWild = nullptr;
  QLabel* pnlSize = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QList<QAction*> sortItems;  // "Name", "Modified &Date", "&Access Date", "&Size", "&Type"

  // Shows the modal windows it opens; tests replace them to work the windows and close them.
  std::function<int(TfrmDelDirectory&)> runFolderDeletion;
  std::function<int(TfrmWildCard&)> runWildCard;

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FormShow();
  // Makes the folder the current one: the drive, the folder list and the grid follow it.
  void changeFolder(const QString& folder);
  void DirectoryListBox1Change();
  void showFolderLabel();
  void sortByItem(int item);
  void headingClicked(int column);
  void pnlWildClick();
  void showPattern();
  void btDeleteDirectoryClick();
  void fillDrives();
  QString driveRootOf(const QString& folder) const;

  std::vector<FileColumn> columns_;
  QString folder_;
  QString pattern_ = QStringLiteral("*.*");
  QString fileName_;
  QString* defaultZipPath_ = nullptr;
  int checkedSort_ = 0;
  bool headingSortRunning_ = false;
  bool shownOnce_ = false;
  TWinPlace placement_;
};

}  // namespace tessaly
