#include "ui/scan/wild_card_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/common/file_types.h"
#include "ui/common/help_topic.h"

namespace tessaly {

TfrmWildCard::TfrmWildCard(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Wildcard pattern"));
  setHelpTopic(this, QStringLiteral("wildcard.html"));
  auto* box = new QGroupBox(QStringLiteral("Change the wildcard matching pattern:"), this);
  cbWildCard = new QComboBox(box);
  cbWildCard->setObjectName(QStringLiteral("cbWildCard"));
  cbWildCard->setEditable(true);
  cbWildCard->setInsertPolicy(QComboBox::NoInsert);
  lblWild = new QLabel(box);
  lblType = new QLabel(box);
  auto* inBox = new QVBoxLayout(box);
  inBox->addWidget(cbWildCard);
  inBox->addWidget(lblWild);
  inBox->addWidget(lblType);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(cbWildCard, &QComboBox::currentTextChanged, this, &TfrmWildCard::updateLabels);
}

void TfrmWildCard::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TfrmWildCard::FormShow() {
  // The caller's pattern stays in the edit field while the drop-down list is rebuilt.
  const QString pattern = cbWildCard->currentText();
  {
    const QSignalBlocker quiet(cbWildCard);
    cbWildCard->clear();
    cbWildCard->addItems(registeredExtensions(true));
    cbWildCard->setEditText(pattern);
  }
  updateLabels();
}

void TfrmWildCard::updateLabels() {
  const QString text = cbWildCard->currentText();
  lblWild->setText(text == QStringLiteral("*.*") ? QStringLiteral("All files") : QString());
  lblType->setText(fileTypeDescription(text.mid(1)));
}

}  // namespace tessaly
