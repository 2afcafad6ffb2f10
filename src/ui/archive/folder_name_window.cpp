#include "ui/archive/folder_name_window.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaly {

TfrmGetFolderName::TfrmGetFolderName(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmGetFolderName"));
  setHelpTopic(this, QStringLiteral("folder-name.html"));
  auto* layout = new QVBoxLayout(this);
  Edit1 = new QLineEdit(this);
  layout->addWidget(Edit1);
  QHBoxLayout* buttons = okCancelRow(this, &btOK, &btCancel);
  layout->addLayout(buttons);
  connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tessaly
