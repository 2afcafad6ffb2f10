#include "ui/inspect/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"

namespace tessaly {

FindSettings& findSettings() {
  static FindSettings settings;
  return settings;
}

TFindDlg::TFindDlg(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("FindDlg"));
  setWindowTitle(QStringLiteral("Find"));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(QStringLiteral("&Search Text"), this);
  edSearchText = new QLineEdit(this);
  label->setBuddy(edSearchText);
  layout->addWidget(label);
  layout->addWidget(edSearchText);

  auto* options = new QGroupBox(QStringLiteral("Search &Options"), this);
  auto* optionsLayout = new QGridLayout(options);
  rbForward = new QRadioButton(QStringLiteral("Search &Forward"), options);
  rbBackward = new QRadioButton(QStringLiteral("Search &Backward"), options);
  cbMatchCase = new QCheckBox(QStringLiteral("&Match Case"), options);
  cbGlobal = new QCheckBox(QStringLiteral("&Global Search"), options);
  optionsLayout->addWidget(rbForward, 0, 0);
  optionsLayout->addWidget(rbBackward, 1, 0);
  optionsLayout->addWidget(cbMatchCase, 0, 1);
  optionsLayout->addWidget(cbGlobal, 1, 1);
  layout->addWidget(options);
  layout->addLayout(okCancelRow(this, &btOK, &btCancel));
  connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);

  const FindSettings& settings = findSettings();
  edSearchText->setText(settings.text);
  edSearchText->selectAll();
  (settings.backward ? rbBackward : rbForward)->setChecked(true);
  cbMatchCase->setChecked(settings.matchCase);
  cbGlobal->setChecked(settings.global);
  setHelpTopic(this, QStringLiteral("file-viewer.html"));
  setFixedSize(sizeHint());
}

void TFindDlg::accept() {
  findSettings() = {edSearchText->text(), rbBackward->isChecked(), cbMatchCase->isChecked(), cbGlobal->isChecked()};
  QDialog::accept();
}

}  // namespace tessaly
