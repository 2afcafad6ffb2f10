#include "ui/scan/add_new_folder_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "core/walk/drive_list.h"
#include "ui/common/help_topic.h"

namespace tessaly {

TfrmAddNewFolder::TfrmAddNewFolder(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Add new folders"));
  setHelpTopic(this, QStringLiteral("add-folders.html"));
  auto* title = new QLabel(QStringLiteral("Add new folders to drives"), this);
  title->setFrameStyle(QFrame::Panel | QFrame::Raised);
  title->setAlignment(Qt::AlignCenter);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBox1->setSortingEnabled(true);
  btAdd = new QPushButton(QStringLiteral("&Add"), this);
  btDel = new QPushButton(QStringLiteral("&Del"), this);
  btClose = new QPushButton(QStringLiteral("Close"), this);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btAdd);
  buttons->addWidget(btDel);
  buttons->addStretch();
  buttons->addWidget(btClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(ListBox1);
  layout->addLayout(buttons);

  connect(btAdd, &QPushButton::clicked, this, &TfrmAddNewFolder::btAddClick);
  connect(btDel, &QPushButton::clicked, this, &TfrmAddNewFolder::btDelClick);
  connect(btClose, &QPushButton::clicked, this, &TfrmAddNewFolder::btCloseClick);
  ListBox1->addItems(readAddedFolders());
}

void TfrmAddNewFolder::btAddClick() {
  const QString folder = dialogs().chooseFolder(QStringLiteral("Select a folder"), QStringLiteral("/"));
  if (folder.isEmpty()) return;
  // Paths are case-significant here: /data/music and /data/Music are two folders.
  if (folders().contains(folder)) return;
  ListBox1->addItem(folder);
}

void TfrmAddNewFolder::btDelClick() {
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  if (selected.isEmpty()) {
    showError(QStringLiteral("To delete one or more folder(s), first highlight the selected folders then click delete."));
    return;
  }
  if (selected.size() > 1) {
    const QString question = QStringLiteral("Really delete ") + QString::number(selected.size()) + QStringLiteral(" folders?");
    if (dialogs().ask(MessageStyle::Question, windowTitle(), question, AnswerSet::YesNoCancel) != Answer::Yes) return;
  }
  qDeleteAll(selected);
}

void TfrmAddNewFolder::btCloseClick() {
  writeAddedFolders(folders());
  accept();
}

QStringList TfrmAddNewFolder::folders() const {
  QStringList all;
  for (int row = 0; row < ListBox1->count(); ++row) all.append(ListBox1->item(row)->text());
  return all;
}

bool editAddedFolders(QWidget* parent) {
  TfrmAddNewFolder window(parent);
  return window.exec() == QDialog::Accepted;
}

}  // namespace tessaly
