#include "ui/clean/clean_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QFileInfo>
#include <QVBoxLayout>

#include "core/clean/temporary_scan.h"
#include "core/common/text_routines.h"
#include "platform/host_path.h"
#include "ui/browse/browse_window.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"
#include "ui/grid/marked_grid.h"
#include "ui/grid/report_commands.h"
#include "ui/grid/sort_menu.h"
#include "ui/grid/window_sizing.h"
#include "ui/lists/pattern_list_view.h"
#include "ui/lists/pattern_list_window.h"
#include "ui/scan/add_new_folder_window.h"
#include "ui/scan/drive_check_list.h"
#include "ui/scan/gui_walk_pacer.h"

namespace tessaly {
namespace {

const QString kCaption = QStringLiteral("Find and delete temporary files");
const QString kHelpPage = QStringLiteral("quick-clean.html");
constexpr int kButtonSpacing = 3;  // between the buttons of the top panel, and from its left edge
constexpr int kDriveListMargin = 8;  // right of the drive list
constexpr int kPatternColumnWidth = 70;
// How the top panel's width is shared between the patterns with the buttons and the drives.
constexpr int kPatternsStretch = 3;
constexpr int kDrivesStretch = 2;
constexpr QSize kPatternListSize{300, 110};
constexpr QSize kDriveListSize{220, 110};
constexpr QSize kDesignSize{780, 520};

MarkedGridSettings quickCleanGrid() {
  MarkedGridSettings settings;
  settings.columns = quickCleanColumns();
  settings.markColumn = FileNameColumn;
  settings.highlight = MarkedGridSettings::Highlight{FileNameColumn, true};
  settings.archiveTag = QStringLiteral("TempClean");
  settings.deleteKeyMarks = true;
  settings.openCaption = QStringLiteral("Run");
  return settings;
}

std::vector<SortItem> quickCleanSorts() {
  return {{QStringLiteral("&Size"), SizeColumn, SortKey::Number, true},
          {QStringLiteral("&Date"), ModifiedColumn, SortKey::Date, true},
          {QStringLiteral("&Access date"), AccessColumn, SortKey::Date, true},
          {QStringLiteral("&Name"), FileNameColumn, SortKey::Text, false},
          {QStringLiteral("&Type"), TypeColumn, SortKey::Text, false}};
}

// A button of the top panel, named for the tests and the keyboard checks.
QPushButton* panelButton(const char* name, const char* caption, const char* hint, QWidget* parent) {
  QPushButton* button = hintedButton(QString::fromUtf8(caption), QString::fromUtf8(hint), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

TfrmClean::TfrmClean(QWidget* parent)
    : QDialog(parent), placement_(*this, {QStringLiteral("tessaly.ini"), QString(), QStringLiteral("frmMods")}) {
  setWindowTitle(kCaption);
  pnlTop = new QWidget(this);
  PickList1 = new PatternListView(pnlTop);
  PickList1->setObjectName(QStringLiteral("PickList1"));
  PickList1->setToolTip(QStringLiteral("File extensions/types of temporary files"));
  PickList1->setColumnWidth(0, kPatternColumnWidth);
  PickList1->setMinimumSize(kPatternListSize);
  pckDrive = new DriveCheckList(pnlTop);
  pckDrive->setMinimumSize(kDriveListSize);

  const auto button = [this](const char* name, const char* caption, const char* hint) {
    return panelButton(name, caption, hint, pnlTop);
  };
  btScan = button("btScan", "&Start", "Start scanning for temporary files");
  btClose = button("btClose", "Close", "Close window");
  btAbort = button("btAbort", "&Abort", "Abort scan");
  btMark = button("btMark", "&Mark", "Mark file for deletion (double click on grid also works)");
  btDelete = button("btDelete", "C&lean?", "Clean up marked files");
  btOptions = button("btOptions", "&Options", "Right click on grid for same options");
  btBrowse = button("btBrowse", "&Browse", "Browse this file and folder");
  btDetails = button("btDetails", "&Details", "View more file details");
  btEdit = button("btEdit", "Add/D&elete", "Add, delete temporary file extensions");

  MarkedGridSettings gridSettings = quickCleanGrid();
  gridSettings.printTitle = [this] { return printTitle(); };
  grid = new MarkedGrid(std::move(gridSettings), this);
  grid->setObjectName(QStringLiteral("grid"));
  grid->setToolTip(QStringLiteral("Double click to mark for deletion"));
  pnlSel = new QLabel(this);
  pnlSel->setObjectName(QStringLiteral("pnlSel"));
  pnlSel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  sortMenu_ = new SortMenu(*grid, quickCleanSorts(), this);
  scanFrame_ = std::make_unique<ScanFrame>(ScanFrame::Controls{{btScan},
                                                               btClose,
                                                               {pckDrive, btEdit},
                                                               {btMark, btDelete, btOptions, btBrowse, btDetails},
                                                               btAbort,
                                                               grid});
  buildMenus();
  layOutWindow();
  setHelpTopic(this, kHelpPage);

  browseFile = [this](const QString& path) {
    const QFileInfo file(path);
    TfrmBrowse::openOn(file.absolutePath(), QString(), file.fileName(), this);
  };
  editPatterns = [this] { TfrmTempFiles(this).exec(); };
  grid->topPanel()->setPanel(pnlTop);

  connect(btScan, &QPushButton::clicked, this, &TfrmClean::btScanClick);
  connect(btAbort, &QPushButton::clicked, this, &TfrmClean::btAbortClick);
  connect(btClose, &QPushButton::clicked, this, &TfrmClean::reject);
  connect(btMark, &QPushButton::clicked, grid, &MarkedGrid::markCurrentAndAdvance);
  connect(btDelete, &QPushButton::clicked, grid, &MarkedGrid::handOver);
  connect(btEdit, &QPushButton::clicked, this, &TfrmClean::btEditClick);
  dropMenuBelow(btOptions, PopupMenu1);
  connect(btBrowse, &QPushButton::clicked, this, &TfrmClean::btBrowseClick);
  connect(btDetails, &QPushButton::clicked, grid, &MarkedGrid::showCurrentDetails);
  connect(pckDrive, &DriveCheckList::ticksChanged, this, [this] { btScan->setEnabled(pckDrive->anyTicked()); });
  connect(grid, &MarkedGrid::counterChanged, pnlSel, &QLabel::setText);
  connect(grid, &MarkedGrid::cleanEnabledChanged, btDelete, &QPushButton::setEnabled);
  fillDriveList(*pckDrive, DriveListUse::ScanningTools, true);
  btScan->setEnabled(pckDrive->anyTicked());
}

TfrmClean::~TfrmClean() = default;

void TfrmClean::buildMenus() {
  SelectAll1 = new QAction(QStringLiteral("Select All"), this);
  DeselectAll1 = new QAction(QStringLiteral("Deselect All"), this);
  connect(SelectAll1, &QAction::triggered, this, [this] { selectAllExtensions(true); });
  connect(DeselectAll1, &QAction::triggered, this, [this] { selectAllExtensions(false); });
  PickList1->setContextMenuPolicy(Qt::ActionsContextMenu);
  PickList1->addActions({SelectAll1, DeselectAll1});

  PopupMenu1 = new QMenu(this);
  PopupMenu1->addAction(grid->detailsAction());
  PopupMenu1->addAction(grid->highlightAction());
  AddFolder1 = PopupMenu1->addAction(QStringLiteral("Add a folder to the list of drives"), this,
                                     &TfrmClean::addFolderToDrives);
  sortMenu_->addTo(PopupMenu1->addMenu(QStringLiteral("Sort")));
  QMenu* mark = PopupMenu1->addMenu(QStringLiteral("Mark"));
  mark->addAction(grid->markAllAction());
  grid->unmarkAllAction()->setText(QStringLiteral("Unmark All"));
  mark->addAction(grid->unmarkAllAction());
  QMenu* resize = PopupMenu1->addMenu(QStringLiteral("Resize"));
  resize->addAction(grid->topPanel()->shrinkAction());
  resize->addAction(grid->topPanel()->restoreAction());
  PopupMenu1->addAction(grid->openAction());
  PopupMenu1->addAction(grid->viewAction());
  grid->reports()->addTo(PopupMenu1);

  grid->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    // The menu belongs to the grid once a search has listed files.
    if (tempFilesFound_ > 0 && !scanning()) PopupMenu1->popup(grid->viewport()->mapToGlobal(at));
  });
}

void TfrmClean::layOutWindow() {
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(kButtonSpacing);
  for (QPushButton* button : {btScan, btClose, btAbort, btMark, btDelete, btOptions, btBrowse, btDetails})
    buttons->addWidget(button);
  buttons->addStretch();

  auto* patterns = new QHBoxLayout;
  patterns->addWidget(PickList1, 1);
  auto* editColumn = new QVBoxLayout;
  editColumn->addWidget(btEdit);
  editColumn->addStretch();
  patterns->addLayout(editColumn);

  auto* left = new QVBoxLayout;
  left->addLayout(buttons);
  left->addLayout(patterns, 1);

  auto* top = new QHBoxLayout(pnlTop);
  top->setContentsMargins(kButtonSpacing, kButtonSpacing, kDriveListMargin, kButtonSpacing);
  top->addLayout(left, kPatternsStretch);
  top->addWidget(pckDrive, kDrivesStretch);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(pnlTop);
  layout->addWidget(grid, 1);
  layout->addWidget(pnlSel);
  resize(kDesignSize);
}

void TfrmClean::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TfrmClean::FormShow() {
  ReadInFromDisk();
  selectAllExtensions(true);
  ClearGrid();
  for (QWidget* hidden : {btOptions, btBrowse, btDetails, btAbort, btMark, btDelete}) hidden->hide();
  pnlSel->clear();
  btClose->setEnabled(true);
  const QSize panel = pnlTop->sizeHint();
  applyMinimumWindowSize(this, panel.width(), panel.height());
  placement_.restore();
}

void TfrmClean::ReadInFromDisk() { PickList1->lines().setLines(readQuickCleanPatternLines()); }

void TfrmClean::selectAllExtensions(bool selected) {
  if (selected) {
    PickList1->selectAll();
  } else {
    PickList1->clearSelection();
  }
}

QStringList TfrmClean::selectedPatternLines() const {
  QStringList lines;
  for (const QModelIndex& index : PickList1->selectionModel()->selectedRows())
    lines.append(PickList1->lineTexts()[index.row()]);
  return lines;
}

void TfrmClean::ClearGrid() {
  grid->clearRows();
  sortMenu_->showSortedBy(SortBySize, true);
}

void TfrmClean::btScanClick() {
  const QStringList patterns = selectedPatternLines();
  if (patterns.isEmpty()) {
    showError(QStringLiteral("Select at least one file extension"));
    return;
  }
  ClearGrid();
  tempFilesFound_ = 0;
  grid->setFocus();
  GuiWalkPacer pacer([this](const QString& folder) { pnlSel->setText(platform::displayPath(folder)); });
  TemporaryFileScan scan(patterns, &pacer);
  scanFrame_->begin(scan.walk());
  scan.run(pckDrive->tickedRoots());
  tempFilesFound_ = scan.tempFilesFound();
  if (tempFilesFound_ > 0) {
    grid->showTable(scan.table());
    sortMenu_->showSortedBy(SortBySize, true);
  }
  pnlSel->clear();
  scanFrame_->finish(tempFilesFound_ > 0);
  if (tempFilesFound_ > 0) {
    btDelete->setEnabled(false);
    pnlSel->setText(formatThousands(tempFilesFound_) + QStringLiteral(" tempfiles found"));
  }
}

void TfrmClean::btAbortClick() { scanFrame_->abortClicked(); }

void TfrmClean::btEditClick() {
  editPatterns();
  ReadInFromDisk();
}

void TfrmClean::btBrowseClick() {
  const QModelIndex current = grid->currentIndex();
  if (!current.isValid()) return;
  const QString path = grid->table().filePath(current.row());
  if (!path.isEmpty()) browseFile(path);
}

void TfrmClean::addFolderToDrives() {
  editAddedFolders(this);
  fillDriveList(*pckDrive, DriveListUse::ScanningTools, true);
  btScan->setEnabled(pckDrive->anyTicked());
}

QString TfrmClean::printTitle() const {
  QString title = QStringLiteral("Temporary files on drive(s) ");
  for (const WalkRoot& root : pckDrive->tickedRoots()) title += platform::displayPath(root.path) + u' ';
  return title;
}

void TfrmClean::reject() {
  // A search runs inside this window's event handling; it ends before the window may.
  if (scanning()) return;
  QDialog::reject();
}

void TfrmClean::closeEvent(QCloseEvent* event) {
  if (scanning()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace tessaly
