#include "ui/scan/which_drive_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/safeharbor/pattern_lines.h"
#include "ui/scan/add_new_folder_window.h"
#include "ui/scan/drive_check_list.h"
#include "ui/lists/stat_list_window.h"
#include "ui/common/help_topic.h"

namespace tessaly {
namespace {

QPushButton* previousButton(QWidget* page) { return new QPushButton(QStringLiteral("<< &Previous"), page); }

// "Select All" / "Deselect All" on a right click, and whatever the caller adds after them.
QMenu* selectAllMenu(QWidget* list, const std::function<void(bool)>& selectAll) {
  auto* menu = new QMenu(list);
  QObject::connect(menu->addAction(QStringLiteral("Select All")), &QAction::triggered, list, [selectAll] { selectAll(true); });
  QObject::connect(menu->addAction(QStringLiteral("Deselect All")), &QAction::triggered, list, [selectAll] { selectAll(false); });
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(list, &QWidget::customContextMenuRequested, menu,
                   [menu, list](const QPoint& at) { menu->popup(list->mapToGlobal(at)); });
  return menu;
}

void openStatList(QWidget* parent, const QString& section) {
  TfrmStatList editor(parent, section);
  editor.exec();
}

}  // namespace

TfrmWhichDrive::TfrmWhichDrive(QWidget* parent, TypeListEditor editTypeList)
    : QDialog(parent), editTypeList_(editTypeList ? std::move(editTypeList) : openStatList) {
  setWindowTitle(QStringLiteral("Which drives and file types?"));
  setHelpTopic(this, QStringLiteral("which-drives.html"));
  pages_ = new QStackedWidget(this);
  pages_->addWidget(drivesPage());
  pages_->addWidget(modePage());
  pages_->addWidget(typesPage());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->addWidget(pages_);

  fillDriveList(*pckDrive, DriveListUse::Statistics, true);
  loadTypeList();
  updateNext1();
}

QWidget* TfrmWhichDrive::drivesPage() {
  auto* page = new QWidget;
  pckDrive = new DriveCheckList(page);
  btNext1 = new QPushButton(QStringLiteral("&Next >>"), page);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), page);
  QMenu* menu = selectAllMenu(pckDrive, [this](bool ticked) { pckDrive->setAllTicked(ticked); });
  menu->addSeparator();
  connect(menu->addAction(QStringLiteral("Add a folder to the list of drives")), &QAction::triggered, this, [this] {
    editAddedFolders(this);
    fillDriveList(*pckDrive, DriveListUse::Statistics, true);
    updateNext1();
  });
  connect(pckDrive, &DriveCheckList::ticksChanged, this, &TfrmWhichDrive::updateNext1);
  connect(btNext1, &QPushButton::clicked, this, &TfrmWhichDrive::btNext1Click);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel);
  buttons->addWidget(btNext1);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("Which drives/folders?"), page));
  layout->addWidget(pckDrive);
  layout->addLayout(buttons);
  return page;
}

QWidget* TfrmWhichDrive::modePage() {
  auto* page = new QWidget;
  rbAll = new QRadioButton(QStringLiteral("&All files"), page);
  rbSelected = new QRadioButton(QStringLiteral("&Selected file types only"), page);
  rbExcept = new QRadioButton(QStringLiteral("All files &except selected file types"), page);
  rbAll->setChecked(true);
  btNext2 = new QPushButton(QStringLiteral("&Next >>"), page);
  QPushButton* previous = previousButton(page);
  connect(btNext2, &QPushButton::clicked, this, &TfrmWhichDrive::btNext2Click);
  connect(previous, &QPushButton::clicked, this, &TfrmWhichDrive::btPreviousClick);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(previous);
  buttons->addWidget(btNext2);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("Which file types?"), page));
  layout->addWidget(rbAll);
  layout->addWidget(rbSelected);
  layout->addWidget(rbExcept);
  layout->addStretch();
  layout->addLayout(buttons);
  return page;
}

QWidget* TfrmWhichDrive::typesPage() {
  auto* page = new QWidget;
  lblHeading = new QLabel(page);
  lblCount = new QLabel(page);
  PickList1 = new QListWidget(page);
  PickList1->setObjectName(QStringLiteral("PickList1"));
  PickList1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  PickList1->setToolTip(QStringLiteral("Right click to select/deselect all"));
  btAddDelete = new QPushButton(QStringLiteral("&Add/Delete"), page);
  btAddDelete->setToolTip(QStringLiteral("Add, delete file types"));
  QPushButton* previous = previousButton(page);
  btOK = new QPushButton(QStringLiteral("OK"), page);
  selectAllMenu(PickList1, [this](bool selected) {
    if (selected) {
      PickList1->selectAll();
    } else {
      PickList1->clearSelection();
    }
    pickListChanged();
  });
  connect(PickList1, &QListWidget::itemSelectionChanged, this, &TfrmWhichDrive::pickListChanged);
  connect(btAddDelete, &QPushButton::clicked, this, &TfrmWhichDrive::btAddDeleteClick);
  connect(previous, &QPushButton::clicked, this, &TfrmWhichDrive::btPreviousClick);
  connect(btOK, &QPushButton::clicked, this, &TfrmWhichDrive::btOKClick);

  auto* top = new QHBoxLayout;
  top->addWidget(lblHeading);
  top->addStretch();
  top->addWidget(lblCount);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btAddDelete);
  buttons->addStretch();
  buttons->addWidget(previous);
  buttons->addWidget(btOK);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(top);
  layout->addWidget(PickList1);
  layout->addLayout(buttons);
  return page;
}

int TfrmWhichDrive::currentPage() const { return pages_->currentIndex() + 1; }

QList<WalkRoot> TfrmWhichDrive::tickedRoots() const { return pckDrive->tickedRoots(); }

QStringList TfrmWhichDrive::selectedTypeLines() const {
  QStringList lines;
  for (int row = 0; row < PickList1->count(); ++row)
    if (PickList1->item(row)->isSelected()) lines.append(PickList1->item(row)->text());
  return lines;
}

QString TfrmWhichDrive::typeSection() const {
  return rbSelected->isChecked() ? QStringLiteral("Include") : QStringLiteral("Exclude");
}

void TfrmWhichDrive::loadTypeList() {
  QStringList lines;
  ReadStatFilesFromDisk(lines, typeSection());
  const QSignalBlocker quiet(PickList1);
  PickList1->clear();
  PickList1->addItems(lines);
  lblCount->setText(QStringLiteral("0/") + QString::number(lines.size()));
  btOK->setEnabled(false);
}

void TfrmWhichDrive::updateNext1() { btNext1->setEnabled(pckDrive->anyTicked()); }

void TfrmWhichDrive::btNext1Click() {
  if (pckDrive->anyTicked()) pages_->setCurrentIndex(1);
}

void TfrmWhichDrive::btNext2Click() {
  if (rbAll->isChecked()) {
    btOKClick();
    return;
  }
  lblHeading->setText(rbSelected->isChecked() ? QStringLiteral("Selected file types only")
                                              : QStringLiteral("All file types except ..."));
  loadTypeList();
  pages_->setCurrentIndex(2);
}

void TfrmWhichDrive::btPreviousClick() { pages_->setCurrentIndex(qMax(0, pages_->currentIndex() - 1)); }

void TfrmWhichDrive::btAddDeleteClick() {
  if (editTypeList_) editTypeList_(this, typeSection());
  loadTypeList();  // any selection is lost
}

void TfrmWhichDrive::pickListChanged() {
  const qsizetype selected = PickList1->selectedItems().size();
  lblCount->setText(QString::number(selected) + u'/' + QString::number(PickList1->count()));
  btOK->setEnabled(selected > 0 && pckDrive->anyTicked());
}

void TfrmWhichDrive::btOKClick() {
  allFiles_ = rbAll->isChecked();
  selectedOnly_ = rbSelected->isChecked();
  allBut_ = rbExcept->isChecked();
  accept();
}

}  // namespace tessaly
