#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "core/deletion/deletion_request.h"
#include "core/deletion/removal_run.h"
#include "ui/common/event_pump.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace tessaly {

class ProtectionCheck;
class TfrmStandBy;
class TfrmZipOptions;

// What the deletion window works with besides the request.
struct DeletionServices {
  ProtectionCheck* protection = nullptr;   // the safe harbor check; protectionCheck() when null
  QString* defaultZipPath = nullptr;       // the program's archive folder, updated by the zip options;
                                           // the stored one when null
  TfrmStandBy* standBy = nullptr;          // the program's stand-by window; a private one when null
  FileRemover* remover = nullptr;          // the system's when null
  platform::Trash* trash = nullptr;        // the desktop trash when null
};

// "Clean up the following files": keeps back what the safe harbor protects, then deletes,
// trashes or archives the rest. Accepted when an action ran, rejected when closed without one.
class TfrmReallyDelete : public QDialog, private RemovalObserver {
  Q_OBJECT

 public:
  TfrmReallyDelete(const DeletionRequest& request, const DeletionServices& services, QWidget* parent = nullptr);
  ~TfrmReallyDelete() override;

  QStringList deletionPanel() const { return deletePanel_; }
  QStringList safeHarborPanel() const { return harborPanel_; }

  QLabel* lblDelete = nullptr;
  QLabel* lblSavings = nullptr;
  QTabWidget* TabbedNotebook1 = nullptr;
  QLabel* lblLeft = nullptr;
  QListWidget* lb1 = nullptr;
  QPushButton* btToAgainst = nullptr;
  QLabel* lblRight = nullptr;
  QListWidget* lb2 = nullptr;
  QPushButton* btMoveLeft = nullptr;
  QPushButton* btReason = nullptr;
  QWidget* pnlButtons = nullptr;
  QPushButton* btZip = nullptr;
  QPushButton* btDelete = nullptr;
  QPushButton* btRecycle = nullptr;
  QWidget* pnlProgress = nullptr;
  QLabel* lblName = nullptr;
  QProgressBar* bar = nullptr;
  QProgressBar* Gauge1 = nullptr;
  QPushButton* btClose = nullptr;

  // Shows the zip options dialog; tests replace it to fill and close the dialog.
  std::function<bool(TfrmZipOptions&)> runZipOptions;

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void MoveFiles();
  void ShowWarning();
  void UpdateHeaders();
  void updateLeftRight();
  void fillPanel(QListWidget* list, const QStringList& entries);
  void moveSelected(QListWidget* from, QStringList& source, QStringList& target);
  void btToAgainstClick();
  void btMoveLeftClick();
  void btReasonClick();
  void btDeleteAllClick();
  void btRecycleClick();
  void btZipClick();
  void btCloseClick();
  bool NoFilesToDelete();
  // False when the user goes back rather than remove every file of a duplicate group.
  bool LastCopiesAccepted();
  // Swaps in the progress panel, runs one action over the deletion panel, then closes with OK.
  void runAction(bool cancellable, const std::function<RunOutcome(const std::vector<PlannedRemoval>&)>& action);

  void fileStarted(int index, const QString& path) override;
  bool archiveProgress(int percent) override;
  bool abortRequested() override { return abortRequested_; }

  DeletionServices services_;
  double potentialSavings_ = 0;
  QString archiveTag_;
  std::vector<CopyGroup> copyGroups_;
  QStringList deletePanel_;
  QStringList harborPanel_;
  QString ownZipPath_;
  bool abortRequested_ = false;
  bool running_ = false;
  bool shownOnce_ = false;
  EventPump eventPump_;
};

}  // namespace tessaly
