#include "ui/safeharbor/edit_folder_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "core/common/dialogs.h"
#include "ui/common/help_topic.h"

namespace tessaly {

TfrmEditFolder::TfrmEditFolder(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Edit Folder"));
  setHelpTopic(this, QStringLiteral("edit-folder.html"));
  auto* label = new QLabel(QStringLiteral("&Folder"), this);
  Edit1 = new QLineEdit(this);
  label->setBuddy(Edit1);
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setText(QStringLiteral("&Browse"));
  cbAll = new QCheckBox(QStringLiteral("&Protect sub-folders - all sub-folders should NOT be deleted"), this);
  lblExample = new QLabel(this);
  lblExample->setWordWrap(true);
  btOk = new QPushButton(QStringLiteral("OK"), this);
  btOk->setDefault(true);
  btCancel = new QPushButton(QStringLiteral("Cancel"), this);
  connect(SpeedButton1, &QToolButton::clicked, this, &TfrmEditFolder::SpeedButton1Click);
  connect(cbAll, &QCheckBox::clicked, this, &TfrmEditFolder::updateExample);
  connect(btOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(label, 0, 0);
  layout->addWidget(Edit1, 0, 1);
  layout->addWidget(SpeedButton1, 0, 2);
  layout->addWidget(cbAll, 1, 0, 1, 3);
  layout->addWidget(lblExample, 2, 0, 1, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btOk);
  buttons->addWidget(btCancel);
  layout->addLayout(buttons, 3, 0, 1, 3);
  resize(480, 170);
}

void TfrmEditFolder::SpeedButton1Click() {
  const QString folder = dialogs().chooseFolder(QStringLiteral("Select a folder that won't be deleted"), Edit1->text());
  if (!folder.isEmpty()) Edit1->setText(folder);
}

void TfrmEditFolder::updateExample() {
  const QString folder = Edit1->text();
  const QString quoted = u'"' + folder + u'"';
  if (cbAll->isChecked()) {
    lblExample->setText(folder.isEmpty()
                            ? QStringLiteral("All files and sub-folders below the one you select will NOT be deleted.")
                            : QStringLiteral("All files and sub-folders below ") + quoted +
                                  QStringLiteral(" will NOT be deleted."));
  } else {
    lblExample->setText(folder.isEmpty() ? QString()
                                         : QStringLiteral("Only files in this folder ") + quoted +
                                               QStringLiteral(" will NOT be deleted."));
  }
}

void TfrmEditFolder::showEvent(QShowEvent* event) {
  updateExample();
  QDialog::showEvent(event);
}

}  // namespace tessaly
