#include "ui/archive/folder_name_window.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaly {

TfrmGetFolderName::TfrmGetFolderName(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmGetFolderName"));
  auto* layout = new QVBoxLayout(this);
  Edit1 = new QLineEdit(this);
  layout->addWidget(Edit1);
  auto* buttons = new QHBoxLayout;
  btOK = new QPushButton(QStringLiteral("OK"), this);
  btOK->setDefault(true);
  btCancel = new QPushButton(QStringLiteral("Cancel"), this);
  buttons->addStretch();
  buttons->addWidget(btOK);
  buttons->addWidget(btCancel);
  layout->addLayout(buttons);
  connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tessaly
