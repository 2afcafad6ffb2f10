#include "ui/lists/stat_list_window.h"

#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/safeharbor/pattern_lines.h"
#include "ui/lists/pattern_list_view.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"

namespace tessaly {
TfrmStatList::TfrmStatList(QWidget* parent, const QString& section) : QDialog(parent), section_(section) {
  setWindowTitle(QStringLiteral("File types"));
  setHelpTopic(this, QStringLiteral("file-types.html"));
  setFixedSize(367, 348);

  auto* heading = new QLabel(QStringLiteral("File Types"), this);
  QFont headingFont = heading->font();
  headingFont.setPointSize(headingFont.pointSize() + 8);
  headingFont.setBold(true);
  heading->setFont(headingFont);
  auto* shadow = new QGraphicsDropShadowEffect(heading);
  shadow->setOffset(2, 2);
  shadow->setBlurRadius(2);
  heading->setGraphicsEffect(shadow);

  lblCount = new QLabel(this);
  auto* hint = new QLabel(QStringLiteral("Hint: Drag mouse or use ctrl-click to select multiple file types."), this);
  hint->setWordWrap(true);
  PickList1 = new PatternListView(this);

  btAdd = hintedButton(QStringLiteral("&Add"), QStringLiteral("Add a file extension to this list"), this);
  btDelete = hintedButton(QStringLiteral("&Delete"), QStringLiteral("Delete a file extension"), this);
  btClear = hintedButton(QStringLiteral("&Clear all"), QStringLiteral("Clear all extensions"), this);
  btClose = hintedButton(QStringLiteral("Close"), QStringLiteral("Close window"), this);
  connect(btAdd, &QPushButton::clicked, this, &TfrmStatList::btAddClick);
  connect(btDelete, &QPushButton::clicked, this, &TfrmStatList::btDeleteClick);
  connect(btClear, &QPushButton::clicked, this, &TfrmStatList::btClearClick);
  connect(btClose, &QPushButton::clicked, this, &TfrmStatList::btCloseClick);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {btAdd, btDelete, btClear}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(btClose);
  auto* layout = new QGridLayout(this);
  layout->addWidget(heading, 0, 0, 1, 2);
  layout->addWidget(lblCount, 1, 0, 1, 2);
  layout->addWidget(PickList1, 2, 0);
  layout->addLayout(buttons, 2, 1);
  layout->addWidget(hint, 3, 0, 1, 2);

  QStringList lines;
  ReadStatFilesFromDisk(lines, section_);
  PickList1->lines().setLines(lines);
  updateCount();
}

void TfrmStatList::updateCount() {
  lblCount->setText(QString::number(PickList1->lineTexts().size()) + QStringLiteral(" available"));
}

void TfrmStatList::btAddClick() {
  PickList1->addFromPicker();
  updateCount();
}

void TfrmStatList::btDeleteClick() {
  PickList1->deleteSelected();
  updateCount();
}

void TfrmStatList::btClearClick() {
  PickList1->clearAll();
  updateCount();
}

void TfrmStatList::btCloseClick() {
  WriteStatFilesToDisk(PickList1->lineTexts(), section_);
  accept();
}

void TfrmStatList::keyPressEvent(QKeyEvent* event) {
  // Esc is the "Close" button here, not a cancel.
  if (event->key() == Qt::Key_Escape) {
    btCloseClick();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace tessaly
