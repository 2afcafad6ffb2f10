#include "ui/archive/folder_name_window.h"
#include "ui/common/dialog_widgets.h"
#include "ui/archive/archive_help.h"
#include "ui/common/help_topic.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaly {

TfrmGetFolderName::TfrmGetFolderName(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmGetFolderName"));
  auto* layout = new QVBoxLayout(this);
  Edit1 = new QLineEdit(this);
  auto* caption = new QLabel(QStringLiteral("&Name of the new folder:"), this);
  caption->setBuddy(Edit1);
  layout->addWidget(caption);
  layout->addWidget(Edit1);
  QHBoxLayout* buttons = okCancelRow(this, &btOK, &btCancel);
  layout->addLayout(buttons);
  setHelpTopic(this, kUnzipHelpPage);
  connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tessaly
