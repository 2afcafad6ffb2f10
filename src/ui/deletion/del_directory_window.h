#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "core/deletion/folder_run.h"
#include "ui/common/event_pump.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace tessaly {

class TfrmZipOptions;

// What the folder deletion window works with besides the folder.
struct FolderDeletionServices {
  ProtectionCheck* protection = nullptr;  // the safe harbor check; protectionCheck() when null
  std::optional<HarborLists> harbor;      // the stored lists when none
  QString* defaultZipPath = nullptr;      // the program's archive folder; the stored one when null
  platform::Trash* trash = nullptr;       // the desktop trash when null
};

// "Clean directory, sub-directories and all files": deletes a folder tree, sends its files to
// the trash, or zips them (and deletes them once archived). Accepted when a run took place,
// rejected when closed without one or when a run was cancelled.
class TfrmDelDirectory : public QDialog, private FolderRunObserver {
  Q_OBJECT

 public:
  // folder: a full path without "/" at its end; the caller has refused roots and system folders.
  TfrmDelDirectory(const QString& folder, const FolderDeletionServices& services, QWidget* parent = nullptr);
  ~TfrmDelDirectory() override;

  // The kind of the last run; the folder hogs window labels its row with it.
  bool recycleMode() const { return recycleMode_; }
  bool zipMode() const { return zipMode_; }
  // What the last run did; started is false when none took place.
  const FolderRunReport& report() const { return report_; }

  QLabel* lblTop = nullptr;
  QLabel* lblDirectory = nullptr;
  QPushButton* btDelete = nullptr;
  QPushButton* btRecycle = nullptr;
  QPushButton* btZip = nullptr;
  QCheckBox* cbDelete = nullptr;
  QPushButton* BitBtn3 = nullptr;
  QLabel* pnlCount = nullptr;
  QLabel* pnlName = nullptr;
  QProgressBar* Gauge1 = nullptr;

  // Shows the zip options dialog; tests replace it to fill and close the dialog.
  std::function<bool(TfrmZipOptions&)> runZipOptions;

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void btDeleteClick();
  void btRecycleClick();
  void btZipClick();
  void BitBtn3Click();
  // Runs one kind over the folder with the controls locked, shows the report and closes,
  // unless the run never started (a declined warning, a folder that cannot be opened).
  void StartTheDeletionProcess(FolderRunKind kind, const ArchiveRunOptions& archive = {});

  void fileReached(qint64 count, const QString& path) override;
  void fileStarted(int index, const QString& path) override;
  bool archiveProgress(int percent) override;
  bool abortRequested() override { return abortRequested_; }
  void letEventsRun() override;

  QString folder_;
  FolderDeletionServices services_;
  QString ownZipPath_;
  QWidget* runButtons_ = nullptr;
  FolderRunReport report_;
  bool zipMode_ = false;
  bool recycleMode_ = false;
  bool runInProgress_ = false;
  bool abortRequested_ = false;
  bool cancelledByUser_ = false;
  bool shownOnce_ = false;
  EventPump pump_;
};

}  // namespace tessaly
