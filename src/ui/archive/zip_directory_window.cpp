#include "ui/archive/zip_directory_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/archive/archive_naming.h"
#include "core/common/dialogs.h"
#include "core/common/text_routines.h"
#include "platform/host_files.h"
#include "platform/host_path.h"
#include "ui/archive/folder_name_window.h"
#include "ui/archive/folder_picker.h"
#include "ui/common/dialog_widgets.h"
#include "ui/archive/archive_help.h"
#include "ui/common/help_topic.h"

namespace tessaly {

TfrmZipDirectory::TfrmZipDirectory(const QString& archivePath, QWidget* parent) : QDialog(parent), archivePath_(archivePath) {
  setObjectName(QStringLiteral("frmZipDirectory"));
  setWindowTitle(QStringLiteral("Destination folder"));
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("All files within the selected archive zip file "), this), 0, 0, 1, 2);
  lblZip = wrappedText(platform::displayPath(archivePath), this);
  layout->addWidget(lblZip, 1, 0, 1, 2);
  layout->addWidget(new QLabel(QStringLiteral("Will be restored into the following folder:"), this), 2, 0, 1, 2);
  DirLabel = wrappedText(QString(), this);
  layout->addWidget(DirLabel, 3, 0, 1, 2);
  DLB = new FolderPicker(this);
  DLB->folderList->setObjectName(QStringLiteral("DLB"));
  DLB->lblFolder->hide();  // DirLabel above names the folder
  layout->addWidget(DLB, 4, 0);
  auto* buttons = new QVBoxLayout;
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("Cancel"), this);
  Button3 = new QPushButton(QStringLiteral("&Create sub-folder..."), this);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  buttons->addWidget(Button3);
  buttons->addStretch();
  layout->addLayout(buttons, 4, 1);
  // Under the lists, across the whole width, so the text wraps instead of being cut.
  layout->addWidget(
      wrappedText(QStringLiteral("All files contained in the selected zip file will be extracted into the folder that you pick on the left. "), this),
      5, 0, 1, 2);
  layout->addWidget(
      wrappedText(QStringLiteral("It is recommended that you select the ROOT folder \"/\" to restore the files into their original places."), this),
      6, 0, 1, 2);
  layout->setRowStretch(4, 1);
  layout->setColumnStretch(0, 1);
  resize(520, 480);
  setHelpTopic(this, kUnzipHelpPage);

  connect(DLB, &FolderPicker::folderChanged, this, [this](const QString& folder) { DirLabel->setText(platform::displayPath(folder)); });
  connect(Button1, &QPushButton::clicked, this, &TfrmZipDirectory::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  connect(Button3, &QPushButton::clicked, this, &TfrmZipDirectory::Button3Click);
  runFolderNameDialog = [](TfrmGetFolderName& dialog) { return dialog.exec() == QDialog::Accepted; };
}

bool TfrmZipDirectory::FormShow() {
  // Every archive of this host was made from "/": its drive part is "root".
  originalRootKnown_ = archiveDrivePart(archivePath_).compare(QString::fromUtf16(kHostDrivePart), Qt::CaseInsensitive) == 0;
  startFolder_ = QStringLiteral("/");
  if (!DLB->setFolder(startFolder_)) {
    showError(QStringLiteral("Cannot open the folder ") + startFolder_);
    return false;
  }
  DLB->folderList->setFocus();
  return true;
}

QString TfrmZipDirectory::chosenFolder() const { return DLB->folder(); }

void TfrmZipDirectory::Button1Click() {
  if (originalRootKnown_ && DLB->folder() == startFolder_) {
    accept();
    return;
  }
  const Answer answer = dialogs().ask(
      MessageStyle::Question, windowTitle(),
      QStringLiteral("You are not restoring into the original root folder.  The files will not be restored to their original locations. Is this OK?"),
      AnswerSet::YesNo);
  if (answer == Answer::Yes) accept();
}

// The new folder is made below the one shown and then entered, ready to be chosen.
void TfrmZipDirectory::Button3Click() {
  TfrmGetFolderName nameDialog(this);
  nameDialog.setWindowTitle(QStringLiteral("Create Sub-folder"));
  if (!runFolderNameDialog(nameDialog)) return;
  const QString name = nameDialog.Edit1->text().trimmed();
  if (name.isEmpty()) return;
  const QString target = joinPath(DLB->folder(), name);
  QString reason;
  if (!platform::makeFolders(target, &reason)) {
    showError(QStringLiteral("Cannot create the folder ") + platform::displayPath(target) + u'\n' + reason);
    DLB->refresh();
    return;
  }
  DLB->setFolder(target);
}

}  // namespace tessaly
