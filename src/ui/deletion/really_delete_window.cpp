#include "ui/deletion/really_delete_window.h"

#include <QApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "core/common/text_routines.h"
#include "core/deletion/last_copy_guard.h"
#include "core/deletion/partition.h"
#include "core/archive/archive_settings.h"
#include "core/safeharbor/safe_harbor.h"
#include "platform/host_path.h"
#include "ui/archive/zip_options_window.h"
#include "ui/common/standby_window.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/wait_cursor.h"
#include "ui/common/help_topic.h"

namespace tessaly {
namespace {

constexpr int kPathRole = Qt::UserRole;

QListWidget* panelList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setToolTip(QStringLiteral("To select multiple files, drag the mouse cursor over the list"));
  return list;
}

}  // namespace

TfrmReallyDelete::TfrmReallyDelete(const DeletionRequest& request, const DeletionServices& services, QWidget* parent)
    : QDialog(parent), services_(services), potentialSavings_(request.potentialSavings), archiveTag_(request.archiveTag),
      copyGroups_(request.copyGroups), deletePanel_(request.files) {
  setObjectName(QStringLiteral("frmReallyDelete"));
  setWindowTitle(QStringLiteral("Clean up the following files"));
  setHelpTopic(this, QStringLiteral("deletion.html"));
  if (!services_.protection) services_.protection = &protectionCheck();
  if (!services_.defaultZipPath) {
    ownZipPath_ = readArchiveFolder();
    services_.defaultZipPath = &ownZipPath_;
  }
  if (!services_.remover) services_.remover = &systemRemover();
  if (!services_.trash) services_.trash = &platform::desktopTrash();
  sortPanelEntries(deletePanel_);

  auto* layout = new QGridLayout(this);
  auto* top = new QHBoxLayout;
  lblDelete = new QLabel(QStringLiteral("The following files will be deleted:"), this);
  lblSavings = new QLabel(this);
  top->addWidget(lblDelete, 1);
  top->addWidget(new QLabel(QStringLiteral("Potential savings of "), this));
  top->addWidget(lblSavings);
  layout->addLayout(top, 0, 0, 1, 2);

  TabbedNotebook1 = new QTabWidget(this);
  auto* deletionPage = new QWidget(TabbedNotebook1);
  auto* left = new QVBoxLayout(deletionPage);
  lblLeft = new QLabel(deletionPage);
  lb1 = panelList(deletionPage);
  lb1->setObjectName(QStringLiteral("lb1"));
  btToAgainst = hintedButton(QStringLiteral("&Move files OFF to safe harbor"), QStringLiteral("Move selected files off of the deletion list"), deletionPage);
  left->addWidget(lblLeft);
  left->addWidget(lb1, 1);
  left->addWidget(btToAgainst);
  left->addWidget(wrappedText(QStringLiteral("These files are not referenced by installed software or in the search path therefore it is safer to delete these files.  However, these files may still belong to working applications therefore they may be needed for proper operation of other applications."), deletionPage));
  left->addWidget(wrappedText(QStringLiteral("To move these files off of the list of files to be deleted drag the mouse cursor over the file list to select the desired files then click on the Move button."), deletionPage));
  TabbedNotebook1->addTab(deletionPage, QStringLiteral("Files to be deleted"));

  auto* harborPage = new QWidget(TabbedNotebook1);
  auto* right = new QVBoxLayout(harborPage);
  lblRight = new QLabel(harborPage);
  lb2 = panelList(harborPage);
  lb2->setObjectName(QStringLiteral("lb2"));
  btMoveLeft = hintedButton(QStringLiteral("&Move files to the deletion panel"), QStringLiteral("Move files on to the list of files to be deleted"), harborPage);
  btReason = hintedButton(QStringLiteral("&Reason that file is on this list"), QStringLiteral("Why the file is on the list of non-deleted files"), harborPage);
  auto* harborButtons = new QHBoxLayout;
  harborButtons->addWidget(btMoveLeft);
  harborButtons->addWidget(btReason);
  right->addWidget(lblRight);
  right->addWidget(lb2, 1);
  right->addLayout(harborButtons);
  right->addWidget(wrappedText(QStringLiteral("It is not recommended that you delete these files without uninstalling their associated applications.  They are either located in the system folders or are referenced by installed software.  These files will not be deleted."), harborPage));
  right->addWidget(wrappedText(QStringLiteral("To delete these files move them to the deletion panel.  You may select multiple files by dragging the mouse over the list of files above then clicking on the Move files button."), harborPage));
  TabbedNotebook1->addTab(harborPage, QStringLiteral("Safe Harbor - Do not delete these files"));
  layout->addWidget(TabbedNotebook1, 1, 0, 1, 2);

  auto* bottom = new QStackedWidget(this);
  pnlButtons = new QWidget(bottom);
  auto* actions = new QHBoxLayout(pnlButtons);
  btZip = hintedButton(QStringLiteral("&Archive files into a zip file"), QStringLiteral("Compress files into a ZIP file"), pnlButtons);
  btDelete = hintedButton(QStringLiteral("&Delete all files"), QStringLiteral("Delete the files shown above permanently.  Cannot be undeleted."), pnlButtons);
  btRecycle = hintedButton(QStringLiteral("&Send to trash"), QStringLiteral("Send to trash.  Trash can be emptied later."), pnlButtons);
  actions->addWidget(btZip);
  actions->addWidget(btDelete);
  actions->addWidget(btRecycle);
  pnlProgress = new QWidget(bottom);
  auto* progress = new QVBoxLayout(pnlProgress);
  lblName = new QLabel(pnlProgress);
  bar = new QProgressBar(pnlProgress);
  bar->setToolTip(QStringLiteral("Progress bar"));
  Gauge1 = new QProgressBar(pnlProgress);
  Gauge1->setRange(0, 100);
  Gauge1->setAlignment(Qt::AlignCenter);  // the percentage inside the bar
  Gauge1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: red; }"));
  progress->addWidget(lblName);
  progress->addWidget(bar);
  progress->addWidget(Gauge1);
  bottom->addWidget(pnlButtons);
  bottom->addWidget(pnlProgress);
  layout->addWidget(bottom, 2, 0);
  btClose = hintedButton(QStringLiteral("Cancel"), QStringLiteral("Cancel and close.  May cancel an operation in progress."), this);
  layout->addWidget(btClose, 2, 1);
  resize(640, 520);

  connect(bottom, &QStackedWidget::currentChanged, this, [this, bottom](int) { running_ = bottom->currentWidget() == pnlProgress; });
  connect(lb1, &QListWidget::itemSelectionChanged, this, &TfrmReallyDelete::updateLeftRight);
  connect(lb2, &QListWidget::itemSelectionChanged, this, &TfrmReallyDelete::updateLeftRight);
  connect(btToAgainst, &QPushButton::clicked, this, &TfrmReallyDelete::btToAgainstClick);
  connect(btMoveLeft, &QPushButton::clicked, this, &TfrmReallyDelete::btMoveLeftClick);
  connect(btReason, &QPushButton::clicked, this, &TfrmReallyDelete::btReasonClick);
  connect(btDelete, &QPushButton::clicked, this, &TfrmReallyDelete::btDeleteAllClick);
  connect(btRecycle, &QPushButton::clicked, this, &TfrmReallyDelete::btRecycleClick);
  connect(btZip, &QPushButton::clicked, this, &TfrmReallyDelete::btZipClick);
  connect(btClose, &QPushButton::clicked, this, &TfrmReallyDelete::btCloseClick);
  bottom->setCurrentWidget(pnlButtons);
  runZipOptions = [](TfrmZipOptions& dialog) { return dialog.exec() == QDialog::Accepted; };
  fillPanel(lb1, deletePanel_);
}

TfrmReallyDelete::~TfrmReallyDelete() = default;

void TfrmReallyDelete::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TfrmReallyDelete::FormShow() {
  abortRequested_ = false;
  {
    const WaitCursor wait;
    lblSavings->setText(formatThousands(qint64(potentialSavings_)) + QStringLiteral(" bytes"));
    lblName->clear();
    MoveFiles();
  }
  if (deletePanel_.isEmpty()) QTimer::singleShot(500, this, &TfrmReallyDelete::ShowWarning);
  TabbedNotebook1->setCurrentIndex(0);
}

void TfrmReallyDelete::MoveFiles() {
  TfrmStandBy* standBy = services_.standBy;
  if (!standBy) standBy = new TfrmStandBy(this);
  standBy->setProtectionCheck(services_.protection);
  standBy->bar->setRange(0, std::max<int>(0, int(deletePanel_.size()) - 1));
  standBy->show();
  standBy->repaint();
  // Events run during the partition; an action pressed now would reach the protected files too.
  setEnabled(false);
  const Partition partition = partitionFiles(deletePanel_, *services_.protection, [&](int examined) {
    standBy->bar->setValue(examined);
    eventPump_.letEventsRun();
  });
  standBy->hide();
  setEnabled(true);
  deletePanel_ = partition.toDelete;
  harborPanel_ = partition.protectedFiles;
  fillPanel(lb1, deletePanel_);
  fillPanel(lb2, harborPanel_);
  updateLeftRight();
}

void TfrmReallyDelete::ShowWarning() {
  showInfo(QStringLiteral("All files selected appear on the Safe Harbor list.  To delete the files anyway, move them off of the Safe Harbor list onto the DELETION PANEL."));
  TabbedNotebook1->setCurrentIndex(1);
}

void TfrmReallyDelete::UpdateHeaders() {
  lblDelete->setText(QStringLiteral("Delete - %1, Do NOT delete - %2").arg(deletePanel_.size()).arg(harborPanel_.size()));
}

void TfrmReallyDelete::updateLeftRight() {
  lblLeft->setText(QStringLiteral("Deletion Panel - files to be deleted: %1").arg(deletePanel_.size()));
  lblRight->setText(QStringLiteral("Safe Harbor - files NOT to be deleted: %1").arg(harborPanel_.size()));
  btToAgainst->setEnabled(!lb1->selectedItems().isEmpty());
  const bool harborSelection = !lb2->selectedItems().isEmpty();
  btMoveLeft->setEnabled(harborSelection);
  btReason->setEnabled(harborSelection);
  UpdateHeaders();
}

// Each entry shows its path as the user reads it and keeps the path itself.
void TfrmReallyDelete::fillPanel(QListWidget* list, const QStringList& entries) {
  list->clear();
  for (const QString& path : entries) {
    auto* item = new QListWidgetItem(platform::displayPath(path), list);
    item->setData(kPathRole, path);
  }
}

void TfrmReallyDelete::moveSelected(QListWidget* from, QStringList& source, QStringList& target) {
  QList<int> rows;
  for (const QListWidgetItem* item : from->selectedItems()) rows.append(from->row(item));
  std::sort(rows.begin(), rows.end());
  for (qsizetype i = rows.size() - 1; i >= 0; --i) target.append(source.takeAt(rows[i]));
  sortPanelEntries(target);
  fillPanel(lb1, deletePanel_);
  fillPanel(lb2, harborPanel_);
  updateLeftRight();
}

void TfrmReallyDelete::btToAgainstClick() {
  moveSelected(lb1, deletePanel_, harborPanel_);
  if (deletePanel_.isEmpty()) TabbedNotebook1->setCurrentIndex(1);
}

void TfrmReallyDelete::btMoveLeftClick() {
  moveSelected(lb2, harborPanel_, deletePanel_);
  if (harborPanel_.isEmpty()) TabbedNotebook1->setCurrentIndex(0);
}

void TfrmReallyDelete::btReasonClick() {
  const QListWidgetItem* focused = lb2->currentItem();
  if (!focused) return;
  showInfo(protectionReasonMessage(focused->data(kPathRole).toString(), *services_.protection));
}

bool TfrmReallyDelete::NoFilesToDelete() {
  if (!deletePanel_.isEmpty()) return false;
  showInfo(QStringLiteral("There are no files on the deletion panel.  In order to perform this operation you need to move files from the NON-DELETE list to the deletion panel."));
  return true;
}

bool TfrmReallyDelete::LastCopiesAccepted() {
  const std::vector<size_t> losing = groupsLeftWithoutCopy(copyGroups_, deletePanel_);
  if (losing.empty()) return true;
  return dialogs().ask(MessageStyle::Warning, windowTitle(), lastCopyQuestion(copyGroups_, losing), AnswerSet::YesNo) ==
         Answer::Yes;
}

void TfrmReallyDelete::btDeleteAllClick() {
  if (NoFilesToDelete() || !LastCopiesAccepted()) return;
  if (dialogs().ask(MessageStyle::Question, windowTitle(), QStringLiteral("Really delete?"), AnswerSet::YesNo) != Answer::Yes) {
    showInfo(QStringLiteral("Files not deleted"));
    return;
  }
  runAction(false, [this](const std::vector<PlannedRemoval>& plan) { return deletePlannedFiles(plan, *services_.remover, *this); });
}

void TfrmReallyDelete::btRecycleClick() {
  if (NoFilesToDelete() || !LastCopiesAccepted()) return;
  const QString question =
      QStringLiteral("Note that the trash may be full or that you may have the \"Immediately Remove Files On Delete\" option turned on in the trash. If either is true, then you will not be able to recover the deleted files from the trash. \n\nSend to the trash anyway?");
  if (dialogs().ask(MessageStyle::Question, windowTitle(), question, AnswerSet::YesNo) != Answer::Yes) {
    showInfo(QStringLiteral("Files not deleted"));
    return;
  }
  runAction(false, [this](const std::vector<PlannedRemoval>& plan) { return trashPlannedFiles(plan, *services_.trash, *this); });
}

void TfrmReallyDelete::btZipClick() {
  if (NoFilesToDelete() || !LastCopiesAccepted()) return;
  TfrmZipOptions options(*services_.defaultZipPath, this);
  if (!runZipOptions(options)) return;
  const ArchiveRunOptions run{*services_.defaultZipPath, archiveTag_, options.comment(), QDateTime::currentDateTime(), {}};
  runAction(true, [&](const std::vector<PlannedRemoval>& plan) {
    Gauge1->setValue(0);
    const RunOutcome outcome = archivePlannedFiles(plan, run, *services_.remover, *this);
    // An archive that nothing went into is never claimed.
    if (!abortRequested_ && outcome.removedFiles > 0)
      showInfo(QStringLiteral("Files deleted and stored in archive zip files in the folder \"") + *services_.defaultZipPath + u'"');
    return outcome;
  });
}

void TfrmReallyDelete::runAction(bool cancellable, const std::function<RunOutcome(const std::vector<PlannedRemoval>&)>& action) {
  auto* bottom = static_cast<QStackedWidget*>(pnlButtons->parentWidget());
  bottom->setCurrentWidget(pnlProgress);
  {
    const WaitCursor wait;
    bar->setRange(0, std::max<int>(0, int(deletePanel_.size()) - 1));
    bar->setValue(0);
    bar->show();
    Gauge1->setVisible(cancellable);
    btClose->setEnabled(cancellable);
    // The run works on its own copy of the panel: a move made now would not save the file.
    TabbedNotebook1->setEnabled(false);
    action(planRemovals(deletePanel_));
    TabbedNotebook1->setEnabled(true);
    btClose->setEnabled(true);
    bar->hide();
    Gauge1->hide();
  }
  deletePanel_.clear();
  fillPanel(lb1, deletePanel_);
  UpdateHeaders();
  bottom->setCurrentWidget(pnlButtons);
  accept();
}

void TfrmReallyDelete::btCloseClick() {
  if (!running_) {
    QDialog::reject();
    return;
  }
  if (dialogs().ask(MessageStyle::Question, windowTitle(), QStringLiteral("Really abort?  Folders may be partially deleted!"),
                    AnswerSet::YesNo) == Answer::Yes)
    abortRequested_ = true;
}

// Escape and the title bar's close button mean the same as Cancel.
void TfrmReallyDelete::reject() {
  if (running_) {
    if (btClose->isEnabled()) btCloseClick();
    return;
  }
  QDialog::reject();
}

void TfrmReallyDelete::fileStarted(int index, const QString& path) {
  lblName->setText(platform::displayPath(path));
  bar->setValue(index);
  eventPump_.letEventsRun();
}

bool TfrmReallyDelete::archiveProgress(int percent) {
  Gauge1->setValue(percent);
  eventPump_.letEventsRun();
  return abortRequested_;
}

}  // namespace tessaly
