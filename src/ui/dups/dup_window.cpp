#include "ui/dups/dup_window.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "core/common/file_types.h"
#include "core/dups/report_title.h"
#include "core/search/duplicate_search.h"
#include "core/search/result_rows.h"
#include "platform/host_path.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"
#include "ui/common/wait_cursor.h"
#include "ui/dups/dup_compare_window.h"
#include "ui/dups/hints_off.h"
#include "ui/grid/grid_table_model.h"
#include "ui/grid/marked_grid.h"
#include "ui/grid/report_commands.h"
#include "ui/grid/window_sizing.h"
#include "ui/main/app_state.h"
#include "ui/scan/add_new_folder_window.h"
#include "ui/scan/drive_check_list.h"
#include "ui/scan/gui_walk_pacer.h"
#include "ui/scan/scan_frame.h"

namespace tessaly {
namespace {

const QString kAllFiles = QStringLiteral("*.*");
const QSize kStartSize(900, 540);  // room for every column on first use
constexpr int kButtonGap = 3;       // between the buttons of the row, and before the first
constexpr int kDriveListMargin = 8;  // between the drive list and the window's right edge
constexpr int kDriveListWidth = 230;
constexpr int kPatternListLines = 14;

enum DupColumn { FilenameColumn, DupSizeColumn, ModifiedColumn, TimeColumn, AccessColumn, FolderColumn, TypeColumn };
constexpr int kHogsPathColumn = 4;

MarkedGridSettings gridSettings(bool findDups) {
  MarkedGridSettings settings;
  settings.archiveTag = QStringLiteral("Duplicates");
  if (findDups) {
    settings.columns = duplicateColumns();
    settings.markColumn = FilenameColumn;
    settings.highlight = MarkedGridSettings::Highlight{FolderColumn, false};
  } else {
    settings.columns = fileHogsColumns();
    settings.markColumn = kHogsPathColumn;
    settings.highlight = MarkedGridSettings::Highlight{kHogsPathColumn, true};
  }
  return settings;
}

// The grid before a search: the headings and one empty row.
FileTable emptyResults(bool findDups) {
  return FileTable(std::make_shared<const FoundFiles>(), findDups ? duplicateColumns() : fileHogsColumns(),
                   {ResultEntry{kNoFile}});
}

QSpinBox* sizeNumber(QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(0, kLargestSizeNumber);
  box->setValue(kDefaultSizeNumber);
  return box;
}

}  // namespace

TfrmDup::TfrmDup(bool findDups, TfrmDupCompare* pairs, QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                         Qt::WindowCloseButtonHint),
      findDups_(findDups),
      pairs_(pairs),
      placement_(*this, {QStringLiteral("tessaly.ini"), findDups ? QStringLiteral("frmDups") : QStringLiteral("frmMods"),
                         QStringLiteral("frmMods")}) {
  setObjectName(QStringLiteral("frmDup"));
  setWindowTitle(findDups_ ? QStringLiteral("Find and delete duplicate files") : QStringLiteral("Find and delete file hogs"));
  browseFolder = [this](const BrowseRequest& request) { openBrowseWindow(this, request); };

  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  buildSettings(Panel1);
  buildButtons(Panel1);

  MarkedGridSettings settings = gridSettings(findDups_);
  settings.printTitle = [this] { return printTitle(); };
  grid = new MarkedGrid(std::move(settings), this);
  grid->setObjectName(QStringLiteral("grid"));
  grid->setToolTip(QStringLiteral("Double click to mark for deletion, right click for options"));
  grid->deletionServices.defaultZipPath = &appState().defaultZipPath;
  if (findDups_) {
    grid->markedGroups = [this] {
      return copyGroupsWithMarks(grid->table(), groupStarts_, [this](const QString& path) { return grid->marks().contains(path); });
    };
  }
  grid->topPanel()->setPanel(Panel1);
  connect(grid, &MarkedGrid::counterChanged, this, [this](const QString& text) { pnlSel->setText(text); });
  connect(grid, &MarkedGrid::cleanEnabledChanged, this, [this](bool enabled) { btDelete->setEnabled(enabled); });
  connect(grid, &GridView::headingClicked, this, &TfrmDup::gridHeadingClicked);

  pnlSel = new QLabel(this);
  pnlSel->setObjectName(QStringLiteral("pnlSel"));
  pnlSel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pnlSel->setTextFormat(Qt::PlainText);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Panel1);
  layout->addWidget(grid, 1);
  layout->addWidget(pnlSel);

  buildMenu();
  frame_ = std::make_unique<ScanFrame>(ScanFrame::Controls{
      {btScan},
      btClose,
      {pckDrive, num1, num2, cbKB1, cbWildCard, rbLarger, rbSmaller, rbBetween, cbDup},
      findDups_ ? QList<QWidget*>{btMark, btDelete, btOptions, btBrowse, btDetails, btCompare}
                : QList<QWidget*>{btMark, btDelete, btOptions, btBrowse, btDetails},
      btAbort,
      grid});

  fillDriveList(*pckDrive, DriveListUse::ScanningTools, true);
  setHelpTopic(this, findDups_ ? QStringLiteral("duplicates.html") : QStringLiteral("file-hogs.html"));
  resize(kStartSize);
}

TfrmDup::~TfrmDup() {
  if (pairs_) pairs_->leave(*this);
}

void TfrmDup::buildSettings(QWidget* panel) {
  rbLarger = new QRadioButton(QStringLiteral("Lar&ger or equal to"), panel);
  rbSmaller = new QRadioButton(QStringLiteral("Small&er or equal to"), panel);
  rbBetween = new QRadioButton(QStringLiteral("&In between"), panel);
  rbLarger->setChecked(true);
  for (QRadioButton* condition : {rbLarger, rbSmaller, rbBetween})
    connect(condition, &QRadioButton::toggled, this, &TfrmDup::rbLargerClick);

  num1 = sizeNumber(panel);
  num2 = sizeNumber(panel);
  cbKB1 = new QComboBox(panel);
  cbKB1->addItems(sizeUnitTexts());
  lblAnd = new QLabel(QStringLiteral("a&nd"), panel);
  lblAnd->setBuddy(num2);

  Label3 = new QLabel(QStringLiteral("Ma&tching"), panel);
  cbWildCard = new QComboBox(panel);
  cbWildCard->setEditable(true);
  cbWildCard->setMaxVisibleItems(kPatternListLines);
  cbWildCard->setToolTip(QStringLiteral("Wildcard pattern for matching file types"));
  cbWildCard->setInsertPolicy(QComboBox::NoInsert);
  Label3->setBuddy(cbWildCard);
  lblWild = new QLabel(panel);
  connect(cbWildCard, &QComboBox::editTextChanged, this, &TfrmDup::cbWildCardChange);

  lblDup = new QLabel(QStringLiteral("D&uplicates matching on : "), panel);
  cbDup = new QComboBox(panel);
  cbDup->addItems(matchModeItems());
  lblDup->setBuddy(cbDup);

  pckDrive = new DriveCheckList(panel);
  pckDrive->setFixedWidth(kDriveListWidth);
  connect(pckDrive, &DriveCheckList::ticksChanged, this, &TfrmDup::pckDriveClick);

  auto* settings = new QGridLayout;
  settings->addWidget(rbLarger, 0, 0);
  settings->addWidget(rbSmaller, 1, 0);
  settings->addWidget(rbBetween, 2, 0);
  settings->addWidget(num1, 0, 1);
  settings->addWidget(cbKB1, 0, 2);
  settings->addWidget(lblAnd, 1, 1, Qt::AlignRight);
  settings->addWidget(num2, 2, 1);
  settings->addWidget(Label3, 3, 0);
  settings->addWidget(cbWildCard, 3, 1, 1, 2);
  settings->addWidget(lblWild, 3, 3);
  settings->addWidget(lblDup, 4, 0);
  settings->addWidget(cbDup, 4, 1, 1, 3);
  settings->setColumnStretch(3, 1);

  auto* top = new QHBoxLayout;
  top->addLayout(settings, 1);
  top->addSpacing(kButtonGap * 2);
  top->addWidget(pckDrive);

  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(kButtonGap, kButtonGap, kDriveListMargin, kButtonGap);
  panelLayout->addLayout(top, 1);
}

void TfrmDup::buildButtons(QWidget* panel) {
  btScan = hintedButton(QStringLiteral("&Start"), QString(), panel);
  btScan->setDefault(true);
  btClose = hintedButton(QStringLiteral("Close"), QStringLiteral("Close window"), panel);
  btAbort = hintedButton(QStringLiteral("&Abort"), QStringLiteral("Abort scan"), panel);
  btMark = hintedButton(QStringLiteral("&Mark"), QStringLiteral("Mark file for deletion (double click on grid also works)"), panel);
  btDelete = hintedButton(QStringLiteral("C&lean?"), QStringLiteral("Clean up marked files"), panel);
  btOptions = hintedButton(QStringLiteral("&Options"), QStringLiteral("Right click on grid for same options"), panel);
  btBrowse = hintedButton(QStringLiteral("&Browse"), QStringLiteral("Browse this file and folder"), panel);
  btDetails = hintedButton(QStringLiteral("&Details"), QStringLiteral("View more file details"), panel);
  btCompare = hintedButton(QStringLiteral("P&airs"), QStringLiteral("Compare file pairs"), panel);
  QFont bold = btCompare->font();
  bold.setBold(true);
  btCompare->setFont(bold);

  // "&Mark" takes the place of "&Abort" once a search is over; hidden buttons leave no gap.
  auto* row = new QHBoxLayout;
  row->setSpacing(kButtonGap);
  for (QPushButton* button : {btScan, btClose, btAbort, btMark, btDelete, btOptions, btBrowse, btDetails, btCompare})
    row->addWidget(button);
  row->addStretch();
  static_cast<QVBoxLayout*>(panel->layout())->addLayout(row);

  connect(btScan, &QPushButton::clicked, this, &TfrmDup::btScanClick);
  connect(btClose, &QPushButton::clicked, this, &TfrmDup::reject);
  connect(btAbort, &QPushButton::clicked, this, [this] { frame_->abortClicked(); });
  connect(btDelete, &QPushButton::clicked, this, [this] { grid->handOver(); });
  connect(btBrowse, &QPushButton::clicked, this, &TfrmDup::BrowseDirectory1Click);
  connect(btCompare, &QPushButton::clicked, this, &TfrmDup::btCompareClick);
}

void TfrmDup::buildMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  Details1 = grid->detailsAction();
  PopupMenu1->addAction(Details1);
  HighlightDups = grid->highlightAction();
  PopupMenu1->addAction(HighlightDups);
  PopupMenu1->addSeparator();
  AddFolder1 = PopupMenu1->addAction(QStringLiteral("Add a folder to the list of drives"));
  connect(AddFolder1, &QAction::triggered, this, &TfrmDup::AddFolder1Click);
  PopupMenu1->addSeparator();

  QMenu* sorts = PopupMenu1->addMenu(QStringLiteral("Sort"));
  Sort1 = sorts->menuAction();
  auto* sortGroup = new QActionGroup(this);
  for (int sort = 0; sort < kHogSortCount; ++sort) {
    QAction* item = sorts->addAction(QString::fromUtf8(hogSortItems()[size_t(sort)].caption));
    item->setCheckable(true);
    sortGroup->addAction(item);
    connect(item, &QAction::triggered, this, [this, sort] { sortBy(sort); });
    sortActions[size_t(sort)] = item;
  }
  sortActions[SortBySize]->setChecked(true);
  Sort1->setVisible(!findDups_);

  QMenu* marks = PopupMenu1->addMenu(QStringLiteral("Mark"));
  marks->addAction(grid->markAllAction());
  marks->addAction(grid->unmarkAllAction());
  QMenu* keepOne = marks->addMenu(QStringLiteral("Mark all &but one in each group"));
  KeepOne1 = keepOne->menuAction();
  KeepOne1->setVisible(findDups_);
  const std::pair<const char*, KeepRule> keepItems[] = {{"Keep the &first listed", KeepRule::FirstListed},
                                                        {"Keep the &newest", KeepRule::Newest},
                                                        {"Keep the &oldest", KeepRule::Oldest},
                                                        {"Keep the one in a f&older...", KeepRule::InFolder}};
  for (const auto& [caption, rule] : keepItems)
    connect(keepOne->addAction(QString::fromUtf8(caption)), &QAction::triggered, this, [this, rule] { markAllButOne(rule); });
  QMenu* resize = PopupMenu1->addMenu(QStringLiteral("Resize"));
  resize->addAction(grid->topPanel()->shrinkAction());
  resize->addAction(grid->topPanel()->restoreAction());
  PopupMenu1->addSeparator();
  Open1 = grid->openAction();
  View1 = grid->viewAction();
  PopupMenu1->addAction(Open1);
  PopupMenu1->addAction(View1);
  PopupMenu1->addSeparator();
  grid->reports()->addTo(PopupMenu1);

  dropMenuBelow(btOptions, PopupMenu1);
  connect(btMark, &QPushButton::clicked, grid, &MarkedGrid::markCurrentAndAdvance);
  connect(btDetails, &QPushButton::clicked, grid, &MarkedGrid::showCurrentDetails);
  showMenuOnRightClick(grid, PopupMenu1);
  showMenuOnRightClick(pckDrive, PopupMenu1);
}

void TfrmDup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  FormShow();
}

void TfrmDup::FormShow() {
  cbKB1->setCurrentIndex(int(SizeUnit::KB));
  num1->setValue(kDefaultSizeNumber);
  num2->setValue(kDefaultSizeNumber);
  ClearGrid();
  for (QPushButton* button : {btOptions, btBrowse, btDetails, btCompare, btAbort, btMark, btDelete}) button->hide();
  pnlSel->clear();
  btScan->setEnabled(pckDrive->anyTicked());
  btClose->setEnabled(true);
  lblDup->setVisible(findDups_);
  cbDup->setVisible(findDups_);
  btScan->setToolTip(findDups_ ? QStringLiteral("Duplicates on file name only") : QStringLiteral("Start scanning for file hogs"));
  rbLargerClick();

  const QRect panel = Panel1->geometry();
  applyMinimumWindowSize(this, panel.x() + Panel1->sizeHint().width(), panel.y() + Panel1->sizeHint().height());
  cbWildCard->clear();
  cbWildCard->addItems(registeredExtensions(true));
  cbWildCard->setCurrentText(kAllFiles);
  cbWildCardChange();
  placement_.restore();
}

void TfrmDup::ClearGrid() {
  grid->showTable(emptyResults(findDups_));
  groupStarts_.clear();
  sortActions[SortBySize]->setChecked(true);
  grid->setFocus();
}

void TfrmDup::markAllButOne(KeepRule rule) {
  KeepChoice keep{rule, {}};
  if (rule == KeepRule::InFolder) {
    keep.folder = dialogs().chooseFolder(QStringLiteral("Keep the file of each group inside this folder"), QString());
    if (keep.folder.isEmpty()) return;
  }
  grid->markRows(rowsToMarkKeepingOne(grid->table(), groupStarts_, keep));
}

bool TfrmDup::searching() const { return frame_->running(); }

void TfrmDup::reject() {
  // The walk runs inside this window's event loop: it ends before the window does.
  if (searching()) return;
  QDialog::reject();
}

void TfrmDup::closeEvent(QCloseEvent* event) {
  if (searching()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

SizeCondition TfrmDup::sizeCondition() const {
  if (rbSmaller->isChecked()) return SizeCondition::SmallerOrEqual;
  if (rbBetween->isChecked()) return SizeCondition::Between;
  return SizeCondition::LargerOrEqual;
}

SizeUnit TfrmDup::sizeUnit() const { return SizeUnit(cbKB1->currentIndex()); }

void TfrmDup::rbLargerClick() {
  const bool between = rbBetween->isChecked();
  lblAnd->setVisible(between);
  num2->setVisible(between);
}

void TfrmDup::pckDriveClick() { btScan->setEnabled(pckDrive->anyTicked()); }

void TfrmDup::cbWildCardChange() {
  const QString pattern = cbWildCard->currentText();
  lblWild->setText(pattern == kAllFiles ? QStringLiteral("All files") : fileTypeDescription(pattern.mid(1)));
}

void TfrmDup::btScanClick() {
  const QString problem = checkSizeNumbers(sizeCondition(), num1->value(), num2->value());
  if (!problem.isEmpty()) {
    showError(problem);
    return;
  }
  if (findDups_) matchMode_ = MatchMode(cbDup->currentIndex());
  const HintsOff hintsOff(this);
  ClearGrid();
  scan();
}

void TfrmDup::scan() {
  // The pair window's copy of the rows would no longer be this grid's.
  if (pairs_) pairs_->leave(*this);
  SearchSettings settings;
  settings.findDups = findDups_;
  settings.matchMode = matchMode_;
  settings.limits = sizeLimits(sizeCondition(), num1->value(), num2->value(), sizeUnit());
  settings.pattern = cbWildCard->currentText();
  DuplicateSearch search(settings);
  GuiWalkPacer pacer([this](const QString& folder) { pnlSel->setText(platform::displayPath(folder)); });
  search.scan(pckDrive->tickedRoots(), &pacer, [this](DirectoryWalk& walk) { frame_->begin(walk); });
  grid->showTable(search.table().rows.empty() ? emptyResults(findDups_) : search.table());
  groupStarts_ = search.groupStarts();
  if (!findDups_) {
    hogSortDirections().setDescending(SortBySize, true);
    sortBy(SortBySize);
  }
  const bool found = !search.table().rows.empty();
  frame_->finish(found);
  // The frame enables every result button; "Clean?" waits for a mark.
  btDelete->setEnabled(grid->cleanEnabled());
  if (found) pnlSel->setText(search.statusText());
}

void TfrmDup::sortBy(int sort) {
  const FileTable& table = grid->table();
  if (table.rowCount() < 2) return;
  const WaitCursor waiting;
  const HogSortItem& item = hogSortItems()[size_t(sort)];
  sortActions[size_t(sort)]->setChecked(true);
  grid->gridModel()->sortRows(item.key, item.column, hogSortDirections().take(sort));
}

void TfrmDup::gridHeadingClicked(int column) {
  if (findDups_) return;
  const int sort = hogSortOfColumn(column);
  if (sort != kNoHogSort) sortBy(sort);
}

void TfrmDup::MarkThisFile(int row) { grid->toggleRow(row); }

int TfrmDup::currentRow() const { return grid->currentIndex().row(); }

void TfrmDup::setCurrentRow(int row) {
  const QModelIndex current = grid->currentIndex();
  grid->setCurrentIndex(grid->model()->index(row, current.isValid() ? current.column() : 0));
}

void TfrmDup::btCompareClick() {
  if (pairs_) pairs_->showFor(*this);
}

void TfrmDup::BrowseDirectory1Click() {
  const QModelIndex current = grid->currentIndex();
  if (!current.isValid()) return;
  const FileTable& table = grid->table();
  const FoundFile* file = table.fileOf(current.row());
  if (!file || !currentFileSize(table.filePath(current.row()))) return;
  browseFolder({table.files().folderText(*file), cbWildCard->currentText(), file->name});
}

void TfrmDup::AddFolder1Click() {
  editAddedFolders(this);
  fillDriveList(*pckDrive, DriveListUse::ScanningTools, true);
  pckDriveClick();
}

QString TfrmDup::printTitle() const {
  ReportTitleSettings title;
  title.findDups = findDups_;
  title.condition = sizeCondition();
  title.first = num1->value();
  title.second = num2->value();
  title.unit = sizeUnit();
  title.pattern = cbWildCard->currentText();
  for (const DriveListItem& item : pckDrive->items())
    if (item.ticked) title.tickedEntries.append(platform::displayPath(item.path));
  return duplicatesReportTitle(title);
}

}  // namespace tessaly
