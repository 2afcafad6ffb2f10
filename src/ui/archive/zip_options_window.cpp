#include "ui/archive/zip_options_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "core/archive/archive_settings.h"
#include "core/common/dialogs.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"

namespace tessaly {

TfrmZipOptions::TfrmZipOptions(QString& defaultZipPath, QWidget* parent)
    : QDialog(parent), defaultZipPath_(defaultZipPath) {
  setObjectName(QStringLiteral("frmZipOptions"));
  setWindowTitle(QStringLiteral("Archive Zip File Options"));
  setHelpTopic(this, QStringLiteral("zip-options.html"));
  auto* layout = new QGridLayout(this);
  auto* heading = new QLabel(QStringLiteral("Archive Zip File options"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading, 0, 0, 1, 2);
  auto* folderLabel = new QLabel(QStringLiteral("&Store Zip Archive Files in this folder:"), this);
  layout->addWidget(folderLabel, 1, 0, 1, 2);
  Edit1 = new QLineEdit(this);
  folderLabel->setBuddy(Edit1);
  Edit1->setReadOnly(true);
  Edit1->setToolTip(QStringLiteral("Click on the button on the right to change"));
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setText(QStringLiteral("&Browse..."));
  layout->addWidget(Edit1, 2, 0);
  layout->addWidget(SpeedButton1, 2, 1);
  layout->addWidget(new QLabel(QStringLiteral("Note: the zip folder can be on the network on a different machine!"), this), 3, 0, 1, 2);
  auto* commentLabel = new QLabel(QStringLiteral("&Comment to be inserted into Archive Zip file:"), this);
  layout->addWidget(commentLabel, 4, 0, 1, 2);
  Edit2 = new QLineEdit(this);
  commentLabel->setBuddy(Edit2);
  Edit2->setMaxLength(kArchiveCommentLimit);
  layout->addWidget(Edit2, 5, 0, 1, 2);
  layout->addWidget(new QLabel(QStringLiteral("Note: Comments make it much easier to identify archive zip files later."), this), 6, 0, 1, 2);
  QHBoxLayout* buttons = okCancelRow(this, &btOK, &btCancel);
  layout->addLayout(buttons, 7, 0, 1, 2);
  setFixedSize(sizeHint().expandedTo(QSize(440, 0)));

  connect(SpeedButton1, &QToolButton::clicked, this, &TfrmZipOptions::SpeedButton1Click);
  connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
  readSettings();
  Edit2->setFocus();
}

void TfrmZipOptions::readSettings() {
  defaultZipPath_ = readArchiveFolder();
  Edit1->setText(defaultZipPath_);
  Edit2->setText(readArchiveComment());
}

void TfrmZipOptions::writeSettings() {
  writeArchiveOptions(Edit1->text(), Edit2->text());
  defaultZipPath_ = Edit1->text();
  comment_ = Edit2->text();
}

void TfrmZipOptions::SpeedButton1Click() {
  const QString chosen = dialogs().chooseFolder(QStringLiteral("Location of archive zip files"), Edit1->text());
  if (!chosen.isEmpty()) Edit1->setText(chosen);
}

// Every way of closing (OK, Cancel, Escape, the title bar) ends here.
void TfrmZipOptions::done(int result) {
  writeSettings();
  QDialog::done(result);
}

}  // namespace tessaly
