#include "ui/deletion/del_directory_window.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/archive/archive_settings.h"
#include "core/common/dialogs.h"
#include "core/safeharbor/safe_harbor.h"
#include "platform/host_files.h"
#include "platform/host_path.h"
#include "ui/archive/zip_options_window.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"

namespace tessaly {
namespace {

constexpr int kButtonWidth = 170;
constexpr int kWindowWidth = 620;

const QString kFolderToClean = QStringLiteral("Folder to clean: ");
const QString kCountCaption = QStringLiteral("Count");
const QString kNameCaption = QStringLiteral("Filename");

// One framed row: the button, and what it does to its right.
QFrame* actionRow(QPushButton* button, const QString& explanation, QWidget* parent, QWidget* extra = nullptr) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  auto* row = new QHBoxLayout(frame);
  button->setParent(frame);
  button->setMinimumWidth(kButtonWidth);
  row->addWidget(button, 0, Qt::AlignTop);
  auto* text = new QVBoxLayout;
  text->addWidget(wrappedText(explanation, frame));
  if (extra) {
    extra->setParent(frame);
    text->addWidget(extra);
  }
  row->addLayout(text, 1);
  return frame;
}

QLabel* statusPanel(const QString& text, QWidget* parent) {
  auto* panel = new QLabel(text, parent);
  panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  return panel;
}

}  // namespace

TfrmDelDirectory::TfrmDelDirectory(const QString& folder, const FolderDeletionServices& services, QWidget* parent)
    : QDialog(parent), folder_(folder), services_(services) {
  setObjectName(QStringLiteral("frmDelDirectory"));
  setWindowTitle(kFolderDeletionCaption);
  setHelpTopic(this, QStringLiteral("folder-deletion.html"));
  if (!services_.protection) services_.protection = &protectionCheck();
  if (!services_.harbor) services_.harbor = storedHarborLists();
  if (!services_.defaultZipPath) {
    ownZipPath_ = readArchiveFolder();
    services_.defaultZipPath = &ownZipPath_;
  }
  if (!services_.trash) services_.trash = &platform::desktopTrash();

  auto* layout = new QVBoxLayout(this);
  lblTop = new QLabel(kFolderToClean, this);
  lblTop->setWordWrap(true);
  lblDirectory = new QLabel(platform::displayPath(folder_), this);
  lblDirectory->setAlignment(Qt::AlignCenter);
  lblDirectory->setWordWrap(true);
  layout->addWidget(lblTop);
  layout->addWidget(lblDirectory);

  runButtons_ = new QWidget(this);
  auto* rows = new QVBoxLayout(runButtons_);
  rows->setContentsMargins(0, 0, 0, 0);
  btDelete = hintedButton(QStringLiteral("&Delete folder"), QStringLiteral("Delete the files shown above.  Cannot be undeleted."), this);
  rows->addWidget(actionRow(btDelete, QStringLiteral("All files and sub-folders are deleted.  Files cannot be recovered.  Hard disk space immediately freed up."), runButtons_));
  btRecycle = hintedButton(QStringLiteral("&Send files to trash"), QStringLiteral("Send to trash.  Trash can be emptied later.  Files can be recovered."), this);
  rows->addWidget(actionRow(btRecycle, QStringLiteral("All files sent to the trash which can be emptied later. Files may be recovered.  Hard disk space is not freed up until the trash is emptied.."), runButtons_));
  btZip = hintedButton(QStringLiteral("&Zip up folder"), QStringLiteral("Compress files into a ZIP file"), this);
  cbDelete = new QCheckBox(QStringLiteral("Delete files &after zipping them up"), this);
  cbDelete->setChecked(true);
  rows->addWidget(actionRow(btZip, QStringLiteral("All files and sub-folders are zipped up (compressed).  Files can be recovered using the UnZip option on the main menu or by using an appropriate UNZIP utility such as unzip, 7-Zip or the desktop's archive manager."), runButtons_, cbDelete));
  layout->addWidget(runButtons_);
  BitBtn3 = hintedButton(QStringLiteral("&Cancel"), QStringLiteral("Cancel. Do not delete."), this);
  layout->addWidget(actionRow(BitBtn3, QStringLiteral("Cancel operation."), this));
  layout->addStretch(1);

  auto* status = new QHBoxLayout;
  pnlCount = statusPanel(kCountCaption, this);
  pnlCount->setMinimumWidth(pnlCount->fontMetrics().horizontalAdvance(QStringLiteral("99999999")));
  pnlName = statusPanel(kNameCaption, this);
  pnlName->setTextFormat(Qt::PlainText);
  Gauge1 = new QProgressBar(this);
  Gauge1->setRange(0, 100);
  Gauge1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: red; }"));
  Gauge1->hide();
  status->addWidget(pnlCount);
  status->addWidget(pnlName, 1);
  status->addWidget(Gauge1);
  layout->addLayout(status);

  connect(btDelete, &QPushButton::clicked, this, &TfrmDelDirectory::btDeleteClick);
  connect(btRecycle, &QPushButton::clicked, this, &TfrmDelDirectory::btRecycleClick);
  connect(btZip, &QPushButton::clicked, this, &TfrmDelDirectory::btZipClick);
  connect(BitBtn3, &QPushButton::clicked, this, &TfrmDelDirectory::BitBtn3Click);
  runZipOptions = [](TfrmZipOptions& dialog) { return dialog.exec() == QDialog::Accepted; };
  // The explanations wrap: the height follows from the width, which the size hint ignores.
  resize(kWindowWidth, heightForWidth(kWindowWidth));
}

TfrmDelDirectory::~TfrmDelDirectory() = default;

void TfrmDelDirectory::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TfrmDelDirectory::FormShow() {
  recycleMode_ = false;
  runInProgress_ = false;
  abortRequested_ = false;
  int reason = NotProtected;
  services_.protection->isInExceptionList(folder_, false, &reason);
  const FolderHarbor harbor(folder_, platform::resolvedPath(folder_), *services_.harbor);
  QString top = kFolderToClean;
  if (reason != NotProtected)
    top = QStringLiteral("This folder should not be deleted since it is ") + exceptionReasonText(reason);
  else if (!harbor.entriesInside().isEmpty())
    top = QStringLiteral("A folder inside this one should not be deleted since it is ") +
          exceptionReasonText(harbor.entriesInside().first().reason);
  lblTop->setText(top);
  lblTop->setStyleSheet(top == kFolderToClean ? QString() : QStringLiteral("color: red;"));
}

void TfrmDelDirectory::btDeleteClick() {
  zipMode_ = false;
  recycleMode_ = false;
  StartTheDeletionProcess(FolderRunKind::Delete);
}

void TfrmDelDirectory::btRecycleClick() {
  const QString question =
      QStringLiteral("Note that the trash may be full or that you may have the \"Immediately Remove Files On Delete\" option turned on in the trash. If either is true, then you will not be able to recover the deleted files from the trash. \n\nSend to the trash anyway?");
  if (dialogs().ask(MessageStyle::Question, windowTitle(), question, AnswerSet::YesNo) != Answer::Yes) {
    zipMode_ = false;
    recycleMode_ = false;
    return;
  }
  recycleMode_ = true;
  zipMode_ = false;
  StartTheDeletionProcess(FolderRunKind::Trash);
}

void TfrmDelDirectory::btZipClick() {
  zipMode_ = true;
  recycleMode_ = false;
  TfrmZipOptions options(*services_.defaultZipPath, this);
  if (!runZipOptions(options)) return;
  const ArchiveRunOptions archive{*services_.defaultZipPath, kFolderArchiveTag, options.comment(), QDateTime::currentDateTime(), {}};
  StartTheDeletionProcess(FolderRunKind::Zip, archive);
}

void TfrmDelDirectory::StartTheDeletionProcess(FolderRunKind kind, const ArchiveRunOptions& archive) {
  FolderRunRequest request;
  request.folder = folder_;
  request.kind = kind;
  request.deleteAfterZip = cbDelete->isChecked();
  request.archive = archive;
  runInProgress_ = true;
  abortRequested_ = false;
  cancelledByUser_ = false;
  runButtons_->setEnabled(false);
  // No wait cursor: the window stays live, and its questions and Cancel want the pointer.
  FolderRunServices services{services_.protection, *services_.harbor, services_.trash};
  report_ = runFolderDeletion(request, services, *this);
  Gauge1->hide();
  runButtons_->setEnabled(true);
  runInProgress_ = false;
  pnlCount->setText(kCountCaption);
  pnlName->setText(kNameCaption);
  if (!report_.started) return;
  const QString text = folderRunReportText(report_);
  if (!text.isEmpty()) showInfo(text);
  if (cancelledByUser_) QDialog::reject();
  else accept();
}

void TfrmDelDirectory::BitBtn3Click() {
  if (!runInProgress_) {
    QDialog::reject();
    return;
  }
  if (dialogs().ask(MessageStyle::Question, windowTitle(), QStringLiteral("Really abort?  Folders may be partially deleted!"),
                    AnswerSet::YesNo) == Answer::Yes) {
    abortRequested_ = true;
    cancelledByUser_ = true;
  }
}

// Escape and the title bar's close button mean the same as Cancel.
void TfrmDelDirectory::reject() { BitBtn3Click(); }

void TfrmDelDirectory::fileReached(qint64 count, const QString& path) {
  pnlCount->setText(QString::number(count));
  pnlName->setText(platform::displayPath(path));
  letEventsRun();
}

void TfrmDelDirectory::fileStarted(int, const QString& path) {
  pnlName->setText(platform::displayPath(path));
  letEventsRun();
}

bool TfrmDelDirectory::archiveProgress(int percent) {
  Gauge1->setValue(percent);
  Gauge1->setVisible(percent < 100);
  letEventsRun();
  return abortRequested_;
}

void TfrmDelDirectory::letEventsRun() { pump_.letEventsRun(); }

}  // namespace tessaly
