#include "ui/hogs/dir_hog_window.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "core/folderhogs/folder_cleaning.h"
#include "core/grid/grid_text.h"
#include "core/safeharbor/safe_harbor.h"
#include "platform/host_path.h"
#include "ui/browse/browse_window.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"
#include "ui/common/win_place.h"
#include "ui/common/wait_cursor.h"
#include "ui/grid/grid_model.h"
#include "ui/grid/report_commands.h"
#include "ui/grid/window_sizing.h"
#include "ui/hogs/folder_grid.h"
#include "ui/scan/add_new_folder_window.h"
#include "ui/scan/drive_check_list.h"
#include "ui/scan/gui_walk_pacer.h"

namespace tessaly {
namespace {

constexpr int kStartWidth = 640;
constexpr int kStartHeight = 440;
// The drive list shows this many lines and scrolls for more, so the grid keeps the room.
constexpr int kDriveListLines = 5;

FolderRunReport showFolderDeletion(const QString& folder, const FolderDeletionServices& services, QWidget* parent) {
  TfrmDelDirectory window(folder, services, parent);
  window.exec();
  return window.report();
}

}  // namespace

TfrmDirHog::TfrmDirHog(QWidget* parent)
    : QDialog(parent),
      grid(new FolderGrid(this)),
      pnlScan(new QLabel(this)),
      PopupMenu1(new QMenu(this)),
      sortGroup_(new QActionGroup(this)),
      reports_(new ReportCommands({[this]() -> const GridTable& { return grid->model()->table(); },
                                   [this] { return printTitle(); },
                                   [this] { return columnLines(grid->model()->table(), FolderNameColumn); }},
                                  this)),
      topPanel_(new TopPanelActions(this)) {
  setObjectName(QStringLiteral("frmDirHog"));
  setWindowTitle(QStringLiteral("Folder Hogs"));
  setHelpTopic(this, QStringLiteral("folder-hogs.html"));
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
  setSizeGripEnabled(true);
  resize(kStartWidth, kStartHeight);
  runFolderDeletion = [this](const QString& folder) { return showFolderDeletion(folder, deletionServices, this); };
  browseFolder = [this](const QString& folder) { TfrmBrowse::openOn(folder, QString(), QString(), this); };

  buildPanel();
  pnlScan->setFrameShape(QFrame::Panel);
  pnlScan->setFrameShadow(QFrame::Sunken);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel1);
  layout->addWidget(grid, 1);
  layout->addWidget(pnlScan);
  buildMenu();

  frame_ = ScanFrame({{btTop, btAll}, btClose, {}, {btOptions, btBrowse, btDelete}, btAbort, grid});

  connect(btTop, &QPushButton::clicked, this, &TfrmDirHog::btTopClick);
  connect(btAll, &QPushButton::clicked, this, &TfrmDirHog::btAllClick);
  connect(btClose, &QPushButton::clicked, this, &QDialog::close);
  connect(btAbort, &QPushButton::clicked, this, &TfrmDirHog::btAbortClick);
  dropMenuBelow(btOptions, PopupMenu1);
  connect(btBrowse, &QPushButton::clicked, this, &TfrmDirHog::btBrowseClick);
  connect(btDelete, &QPushButton::clicked, this, &TfrmDirHog::btDeleteClick);
  connect(grid, &FolderGrid::cellDoubleClicked, this, &TfrmDirHog::btDeleteClick);
  connect(grid, &GridView::headingClicked, this, [this](int column) {
    if (const std::optional<FolderHogsSort> sort = sortOfColumn(column)) sortBy(*sort);
  });
  showMenuOnRightClick(grid, PopupMenu1);
  showMenuOnRightClick(pckDrive, PopupMenu1);
  connect(pckDrive, &DriveCheckList::ticksChanged, this, &TfrmDirHog::pckDriveClick);

  fillDriveList(*pckDrive, DriveListUse::ScanningTools, true);
  const int lineHeight = std::max(pckDrive->sizeHintForRow(0), pckDrive->fontMetrics().height());
  const int scrollBar = pckDrive->horizontalScrollBar()->sizeHint().height();
  pckDrive->setMaximumHeight(kDriveListLines * lineHeight + scrollBar + 2 * pckDrive->frameWidth());
  grid->model()->resetTable(folderHogsTable());
  highlightSafeHarbor(true);
}

TfrmDirHog::~TfrmDirHog() = default;

void TfrmDirHog::buildPanel() {
  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  auto* explanations = new QFormLayout;
  explanations->addRow(QStringLiteral("Main -"),
                       new QLabel(QStringLiteral("only main folders are displayed (those folders directly under the "
                                                 "main folder)"),
                                  Panel1));
  explanations->addRow(QStringLiteral("All -"),
                       new QLabel(QStringLiteral("all folders including sub-folders are individually displayed"), Panel1));
  for (QLabel* explanation : Panel1->findChildren<QLabel*>()) explanation->setWordWrap(true);
  pckDrive = new DriveCheckList(Panel1);

  btTop = hintedButton(QStringLiteral("&Main folders"), QStringLiteral("Only topmost folders. Does not display sub-folders."), Panel1);
  btAll = hintedButton(QStringLiteral("&All Folders"), QStringLiteral("ALL folders including sub-folders are displayed"), Panel1);
  btClose = hintedButton(QStringLiteral("Close"), QStringLiteral("Close window"), Panel1);
  btAbort = hintedButton(QStringLiteral("&Abort"), QStringLiteral("Abort scan"), Panel1);
  btDelete = hintedButton(QStringLiteral("&Clean?"), QStringLiteral("Clean the folder"), Panel1);
  btOptions = hintedButton(QStringLiteral("&Options"), QStringLiteral("Right click on grid for same options"), Panel1);
  btBrowse = hintedButton(QStringLiteral("&Browse"), QStringLiteral("Browse the files and folder"), Panel1);
  auto* buttons = new QGridLayout;
  int place = 0;
  for (QPushButton* each : {btTop, btAll, btClose, btAbort, btOptions, btBrowse}) buttons->addWidget(each, 0, place++);
  // "Clean?" shows in the place of "&Abort", which is hidden while no scan runs.
  buttons->addWidget(btDelete, 0, buttons->indexOf(btAbort));
  buttons->setColumnStretch(place, 1);

  auto* top = new QHBoxLayout;
  top->addLayout(explanations, 1);
  top->addWidget(pckDrive);
  auto* panel = new QVBoxLayout(Panel1);
  panel->setContentsMargins(0, 0, 0, 0);
  panel->addLayout(top);
  panel->addLayout(buttons);
}

void TfrmDirHog::buildMenu() {
  HighlightFolders1 = PopupMenu1->addAction(QStringLiteral("Highlight folders on Safe Harbor list"));
  HighlightFolders1->setCheckable(true);
  HighlightFolders1->setChecked(true);
  connect(HighlightFolders1, &QAction::toggled, this, &TfrmDirHog::highlightSafeHarbor);
  Addafolder1 = PopupMenu1->addAction(QStringLiteral("Add a folder to the list of drives"));
  connect(Addafolder1, &QAction::triggered, this, &TfrmDirHog::Addafolder1Click);
  PopupMenu1->addSeparator();
  const std::vector<SortCommand>& sorts = folderHogsSorts();
  for (size_t command = 0; command < sorts.size(); ++command) {
    QAction* item = PopupMenu1->addAction(sorts[command].caption);
    item->setCheckable(true);
    sortGroup_->addAction(item);
    connect(item, &QAction::triggered, this, [this, command] { sortBy(FolderHogsSort(command)); });
    sortItems.append(item);
  }
  sortItems[FolderSortBySize]->setChecked(true);
  PopupMenu1->addSeparator();
  topPanel_->setPanel(Panel1);
  PopupMenu1->addAction(topPanel_->shrinkAction());
  PopupMenu1->addAction(topPanel_->restoreAction());
  PopupMenu1->addSeparator();
  reports_->addTo(PopupMenu1, QStringLiteral("Folder names "));
}

void TfrmDirHog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  FormShow();
}

void TfrmDirHog::FormShow() {
  for (QPushButton* result : {btOptions, btBrowse, btDelete}) result->hide();
  btAbort->hide();
  pckDriveClick();
  layout()->activate();
  applyMinimumWindowSize(this, Panel1->minimumSizeHint().width(), Panel1->geometry().bottom());
  centreOnScreen(*this);
  btTop->setFocus();
}

void TfrmDirHog::clearGrid() {
  grid->model()->clearRows();
  grid->forgetChoice();
  sortItems[FolderSortBySize]->setChecked(true);
  grid->setFocus();
}

void TfrmDirHog::scan(FolderHogsMode mode) {
  if (scanning_) return;
  clearGrid();
  scanning_ = true;
  GuiWalkPacer ownPacer([this](const QString& folder) { pnlScan->setText(platform::displayPath(folder)); });
  FolderHogsScan hogs(mode, pacer ? pacer : &ownPacer);
  frame_.begin(hogs.walk());
  hogs.run(pckDrive->tickedRoots());
  grid->model()->resetTable(hogs.table());
  grid->forgetChoice();
  pnlScan->setText(folderCountText(int(hogs.lines().size())));
  scanning_ = false;
  frame_.finish(!hogs.nothingFound());
  pckDriveClick();  // the ticks may have changed during the scan
  folderHogsSortDirections().setDescending(FolderSortBySize, true);
  sortBy(FolderSortBySize);
}

void TfrmDirHog::btAbortClick() { frame_.abortClicked(); }

void TfrmDirHog::sortBy(FolderHogsSort command) {
  if (grid->model()->dataRowCount() < 1) return;
  const SortCommand& sort = folderHogsSorts().at(size_t(command));
  const WaitCursor waiting;
  grid->model()->sortRows(sort.key, sort.column, folderHogsSortDirections().take(command));
  sortItems[command]->setChecked(true);
  grid->forgetChoice();  // the folder the user chose has moved away from the selected row
}

void TfrmDirHog::btDeleteClick() {
  const std::optional<int> row = grid->chosenRow();
  if (!row) return;
  const ResultRow& chosen = grid->model()->row(*row);
  const QString folder = chosen.cells.value(FolderNameColumn);
  const CleanDecision decision = cleanDecision(chosen.cells.value(FolderSizeColumn), folder);
  if (decision.kind == CleanDecision::Refuse) showError(decision.message);
  if (decision.kind != CleanDecision::Clean) return;
  const FolderRunReport report = runFolderDeletion(folder);
  if (const std::optional<QString> label = cleanedSizeLabel(report))
    grid->model()->setCell(*row, FolderSizeColumn, *label);
}

void TfrmDirHog::btBrowseClick() {
  const QModelIndex current = grid->currentIndex();
  if (!current.isValid()) return;
  const QString folder = grid->model()->row(current.row()).cells.value(FolderNameColumn);
  browseFolder(folder);
}

QString TfrmDirHog::printTitle() const {
  QString title = QStringLiteral("Folder hogs on drive(s) ");
  for (const WalkRoot& root : pckDrive->tickedRoots()) title += platform::displayPath(root.path) + u' ';
  return title;
}

void TfrmDirHog::pckDriveClick() {
  if (scanning_) return;  // the scan frame keeps the start buttons disabled
  const bool any = pckDrive->anyTicked();
  btTop->setEnabled(any);
  btAll->setEnabled(any);
}

void TfrmDirHog::Addafolder1Click() {
  editAddedFolders(this);
  fillDriveList(*pckDrive, DriveListUse::ScanningTools, true);
  pckDriveClick();
}

void TfrmDirHog::highlightSafeHarbor(bool shown) {
  if (!shown) {
    grid->model()->setBoldRule({});
    return;
  }
  grid->model()->setBoldRule([this](const ResultRow& row, int column) {
    if (column != FolderNameColumn) return false;
    const QString path = row.cells.value(column);
    int reason = NotProtected;
    ProtectionCheck& check = protection ? *protection : protectionCheck();
    return !path.isEmpty() && check.isInExceptionList(path, false, &reason);
  });
}

// Escape and the title bar's close button stop a running scan first; the window stays.
void TfrmDirHog::reject() {
  if (scanning_) {
    frame_.stop();
    return;
  }
  QDialog::reject();
}

}  // namespace tessaly
