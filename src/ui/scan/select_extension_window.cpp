#include "ui/scan/select_extension_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/common/file_types.h"
#include "ui/common/help_topic.h"

namespace tessaly {

ExtensionChoice choiceFromTypedText(const QString& typed) {
  ExtensionChoice choice;
  choice.accepted = true;
  if (typed == QStringLiteral("*.*") || typed == QStringLiteral(".*") || typed == QStringLiteral("*")) return choice;
  if (typed.startsWith(QStringLiteral("*."))) {
    choice.pattern = typed;
  } else if (!typed.contains(u'*') && !typed.contains(u'.')) {
    choice.pattern = QStringLiteral("*.") + typed;
  } else if (!typed.contains(u'*') && typed.startsWith(u'.')) {
    choice.pattern = u'*' + typed;
  } else {
    choice.pattern = typed;
  }
  choice.description = fileTypeDescription(extensionOf(choice.pattern));
  return choice;
}

TfrmSelectExtension::TfrmSelectExtension(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Select a file extension"));
  setHelpTopic(this, QStringLiteral("select-extension.html"));
  auto* prompt = new QLabel(QStringLiteral("Type in a new file extension or select one or many from the list below:"), this);
  prompt->setWordWrap(true);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  cbWildCard = new QComboBox(this);
  cbWildCard->setObjectName(QStringLiteral("cbWildCard"));
  cbWildCard->setEditable(true);
  cbWildCard->setInsertPolicy(QComboBox::NoInsert);
  lblWild = new QLabel(this);
  lBox = new QListWidget(this);
  lBox->setObjectName(QStringLiteral("lBox"));
  lBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
  auto* hint = new QLabel(QStringLiteral("Hint: Drag mouse or use ctrl-click to select multiple file extensions."), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(Edit1);
  layout->addWidget(cbWildCard);
  layout->addWidget(lblWild);
  layout->addWidget(lBox);
  layout->addWidget(hint);
  layout->addWidget(buttons);

  const QStringList extensions = registeredExtensions(false);
  cbWildCard->addItems(extensions);
  for (const QString& extension : extensions)
    if (extension != QStringLiteral("*.*")) lBox->addItem(patternLine(extension));
  Edit1->setText(extensions.value(0));
  lblWild->setText(fileTypeDescription(cbWildCard->currentText().mid(1)));

  connect(cbWildCard, &QComboBox::currentTextChanged, this,
          [this](const QString& text) { lblWild->setText(fileTypeDescription(text.mid(1))); });
  connect(lBox, &QListWidget::itemClicked, this, &TfrmSelectExtension::lBoxClick);
  connect(lBox, &QListWidget::itemDoubleClicked, this, &TfrmSelectExtension::btOKClick);
  connect(buttons, &QDialogButtonBox::accepted, this, &TfrmSelectExtension::btOKClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TfrmSelectExtension::lBoxClick() {
  if (QListWidgetItem* line = lBox->currentItem()) Edit1->setText(patternOfLine(line->text()));
}

void TfrmSelectExtension::btOKClick() {
  const QList<QListWidgetItem*> selected = lBox->selectedItems();
  if (selected.size() > 1) {
    choice_ = {};
    choice_.accepted = true;
    choice_.several = true;
    for (int row = 0; row < lBox->count(); ++row)
      if (lBox->item(row)->isSelected()) choice_.lines.append(lBox->item(row)->text());
  } else {
    choice_ = choiceFromTypedText(Edit1->text());
  }
  accept();
}

ExtensionChoice runExtensionPicker(QWidget* parent) {
  TfrmSelectExtension picker(parent);
  picker.exec();
  return picker.choice();
}

}  // namespace tessaly
