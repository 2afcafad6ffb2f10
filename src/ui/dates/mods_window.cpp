#include "ui/dates/mods_window.h"

#include <QAction>
#include <QActionGroup>
#include <QHeaderView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "core/common/file_types.h"
#include "core/dates/files_by_date.h"
#include "platform/host_path.h"
#include "ui/browse/browse_window.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"
#include "ui/common/wait_cursor.h"
#include "ui/dates/date_box.h"
#include "ui/grid/grid_table_model.h"
#include "ui/grid/marked_grid.h"
#include "ui/grid/report_commands.h"
#include "ui/grid/window_sizing.h"
#include "ui/scan/add_new_folder_window.h"
#include "ui/scan/drive_check_list.h"
#include "ui/scan/gui_walk_pacer.h"

namespace tessaly {
namespace {

// The size on first use: wide enough that every column fits under a desktop's font.
constexpr QSize kStartSize(960, 480);
constexpr int kGridRowHeight = 18;
constexpr int kAllFilesIndex = 0;

enum GridColumn { FilenameColumn, AccessedColumn, CreatedColumn, ModifiedColumn, SizeColumn, FolderColumn };

const QString kAllFiles = QStringLiteral("*.*");

MarkedGridSettings gridSettings(std::vector<FileColumn> columns, const std::function<QString()>& printTitle) {
  MarkedGridSettings settings;
  settings.columns = std::move(columns);
  settings.markColumn = FilenameColumn;
  settings.highlight = MarkedGridSettings::Highlight{FolderColumn, false};
  settings.archiveTag = QStringLiteral("FileDates");
  settings.printTitle = printTitle;
  return settings;
}

QPushButton* button(const char* name, const QString& caption, const QString& hint, QWidget* parent) {
  QPushButton* pushButton = hintedButton(caption, hint, parent);
  pushButton->setObjectName(QString::fromLatin1(name));
  return pushButton;
}

// Result buttons keep their place while hidden, so the row does not jump after a search.
void keepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

}  // namespace

TfrmMods::TfrmMods(QWidget* parent)
    : QDialog(parent),
      grid(new MarkedGrid(gridSettings(gridColumns(), [this] { return printTitle(); }), this)),
      pnlScan(new QLabel(this)),
      PopupMenu1(new QMenu(this)),
      sortGroup_(new QActionGroup(this)),
      place_(*this, {QStringLiteral("tessaly98"), {}, QStringLiteral("frmMods")}) {
  setObjectName(QStringLiteral("frmMods"));
  setWindowTitle(QStringLiteral("Files in a range of dates"));
  setHelpTopic(this, QStringLiteral("files-accessed.html"));
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
  setSizeGripEnabled(true);
  resize(kStartSize);
  browseFile = [this](const QString& folder, const QString& file) { TfrmBrowse::openOn(folder, QString(), file, this); };

  buildPanel();
  grid->setToolTip(QStringLiteral("Double click to mark for deletion, right click for options"));
  grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  pnlScan->setFrameShape(QFrame::Panel);
  pnlScan->setFrameShadow(QFrame::Sunken);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel1);
  layout->addWidget(grid, 1);
  layout->addWidget(pnlScan);
  buildMenu();

  frame_ = ScanFrame({{btOK},
                      btClose,
                      {pckDrive, rgWhat, rgWhen, dtStart, dtEnd, cbWildCard},
                      {btOptions, btBrowse, btDetails, btMark, btDelete},
                      btAbort,
                      grid},
                     MessageStyle::Information);

  connect(btOK, &QPushButton::clicked, this, &TfrmMods::btOKClick);
  connect(btClose, &QPushButton::clicked, this, &QDialog::close);
  connect(btAbort, &QPushButton::clicked, this, &TfrmMods::btAbortClick);
  dropMenuBelow(btOptions, PopupMenu1);
  connect(btBrowse, &QPushButton::clicked, this, &TfrmMods::btBrowseClick);
  connect(btDetails, &QPushButton::clicked, grid, &MarkedGrid::showCurrentDetails);
  connect(btMark, &QPushButton::clicked, grid, &MarkedGrid::markCurrentAndAdvance);
  connect(btDelete, &QPushButton::clicked, grid, &MarkedGrid::handOver);
  connect(grid, &MarkedGrid::counterChanged, pnlScan, &QLabel::setText);
  btDelete->setEnabled(grid->cleanEnabled());
  connect(grid, &MarkedGrid::cleanEnabledChanged, btDelete, &QPushButton::setEnabled);
  connect(grid, &GridView::headingClicked, this, &TfrmMods::sortBy);
  showMenuOnRightClick(grid, PopupMenu1);
  showMenuOnRightClick(pckDrive, PopupMenu1);
  connect(pckDrive, &DriveCheckList::ticksChanged, this, &TfrmMods::pckDriveClick);
  for (QRadioButton* when : {rbOnOrBefore, rbInBetween, rbOnOrAfter})
    connect(when, &QRadioButton::toggled, this, &TfrmMods::rgWhenClick);
  connect(dtStart, &DateBox::dateChanged, this, &TfrmMods::dtStartChange);
  connect(dtEnd, &DateBox::dateChanged, this, &TfrmMods::dtEndChange);
  connect(cbWildCard, &QComboBox::currentTextChanged, this, &TfrmMods::cbWildCardChange);

  fillDriveList(*pckDrive, DriveListUse::FilesAccessed, true);
}

TfrmMods::~TfrmMods() = default;

void TfrmMods::buildPanel() {
  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));

  rgWhat = new QGroupBox(QStringLiteral("Search for files that were"), Panel1);
  rgWhat->setObjectName(QStringLiteral("rgWhat"));
  rbAccessed = new QRadioButton(QStringLiteral("&Last accessed"), rgWhat);
  rbCreated = new QRadioButton(QStringLiteral("C&reated"), rgWhat);
  rbModified = new QRadioButton(QStringLiteral("Last modifi&ed"), rgWhat);
  auto* what = new QHBoxLayout(rgWhat);
  for (QRadioButton* kind : {rbAccessed, rbCreated, rbModified}) what->addWidget(kind);
  rbAccessed->setChecked(true);

  rgWhen = new QGroupBox(Panel1);
  rgWhen->setObjectName(QStringLiteral("rgWhen"));
  rbOnOrBefore = new QRadioButton(QStringLiteral("On or Be&fore"), rgWhen);
  rbInBetween = new QRadioButton(QStringLiteral("In bet&ween"), rgWhen);
  rbOnOrAfter = new QRadioButton(QStringLiteral("On or Af&ter"), rgWhen);
  dtStart = new DateBox(rgWhen);
  dtStart->setObjectName(QStringLiteral("dtStart"));
  lblAnd = new QLabel(QStringLiteral("a&nd"), rgWhen);
  dtEnd = new DateBox(rgWhen);
  dtEnd->setObjectName(QStringLiteral("dtEnd"));
  lblAnd->setBuddy(dtEnd);
  auto* when = new QGridLayout(rgWhen);
  when->addWidget(rbOnOrBefore, 0, 0);
  when->addWidget(rbInBetween, 1, 0);
  when->addWidget(rbOnOrAfter, 2, 0);
  when->addWidget(dtStart, 1, 1);
  when->addWidget(lblAnd, 1, 2);
  when->addWidget(dtEnd, 1, 3);
  rbInBetween->setChecked(true);

  auto* wildCaption = new QLabel(QStringLiteral("Wildcard matc&h"), Panel1);
  cbWildCard = new QComboBox(Panel1);
  cbWildCard->setObjectName(QStringLiteral("cbWildCard"));
  cbWildCard->setEditable(true);
  cbWildCard->setInsertPolicy(QComboBox::NoInsert);
  cbWildCard->setToolTip(QStringLiteral("Wildcard pattern for matching file types"));
  wildCaption->setBuddy(cbWildCard);
  lblWild = new QLabel(Panel1);
  auto* wild = new QHBoxLayout;
  wild->addWidget(wildCaption);
  wild->addWidget(cbWildCard, 1);
  wild->addWidget(lblWild, 1);

  pckDrive = new DriveCheckList(Panel1);

  btOK = button("btOK", QStringLiteral("&Start"), QStringLiteral("Start scanning for files"), Panel1);
  btOK->setDefault(true);
  btClose = button("btClose", QStringLiteral("Close"), QStringLiteral("Close window"), Panel1);
  btAbort = button("btAbort", QStringLiteral("&Abort"), QStringLiteral("Abort scan"), Panel1);
  btOptions = button("btOptions", QStringLiteral("&Options"), QStringLiteral("Right click on grid for same options"), Panel1);
  btBrowse = button("btBrowse", QStringLiteral("&Browse"), QStringLiteral("Browse through files"), Panel1);
  btDetails = button("btDetails", QStringLiteral("&Details"), QStringLiteral("View more file details"), Panel1);
  btMark = button("btMark", QStringLiteral("&Mark"), QStringLiteral("Mark files for deletion"), Panel1);
  btDelete = button("btDelete", QStringLiteral("&Clean?"), QStringLiteral("Clean up marked files"), Panel1);
  auto* buttons = new QGridLayout;
  int place = 0;
  for (QPushButton* each : {btOK, btClose, btOptions, btBrowse, btDetails, btMark, btDelete}) {
    if (each != btOK && each != btClose) keepPlaceWhenHidden(each);
    buttons->addWidget(each, 0, place++);
  }
  // "&Abort" shows in the place of "&Mark", which is hidden while a search runs.
  buttons->addWidget(btAbort, 0, buttons->indexOf(btMark));
  buttons->setColumnStretch(place, 1);

  auto* query = new QVBoxLayout;
  query->addWidget(rgWhat);
  query->addWidget(rgWhen);
  query->addLayout(wild);
  auto* top = new QHBoxLayout;
  top->addLayout(query, 1);
  top->addWidget(pckDrive);
  auto* panel = new QVBoxLayout(Panel1);
  panel->setContentsMargins(0, 0, 0, 0);
  panel->addLayout(top);
  panel->addLayout(buttons);
}

void TfrmMods::buildMenu() {
  PopupMenu1->addAction(grid->detailsAction());
  PopupMenu1->addAction(grid->highlightAction());
  PopupMenu1->addSeparator();
  Addafoldertolistofdrives1 = PopupMenu1->addAction(QStringLiteral("Add a folder to list of drives"));
  connect(Addafoldertolistofdrives1, &QAction::triggered, this, &TfrmMods::Addafoldertolistofdrives1Click);
  PopupMenu1->addSeparator();
  QMenu* sort = PopupMenu1->addMenu(QStringLiteral("Sort"));
  const std::vector<SortCommand>& sorts = filesByDateSorts();
  for (int command = 0; command < int(sorts.size()); ++command) {
    QAction* item = sort->addAction(sorts[size_t(command)].caption);
    item->setCheckable(true);
    sortGroup_->addAction(item);
    connect(item, &QAction::triggered, this, [this, command] { sortBy(command); });
    sortItems.append(item);
  }
  QMenu* mark = PopupMenu1->addMenu(QStringLiteral("Mark"));
  mark->addAction(grid->markAllAction());
  mark->addAction(grid->unmarkAllAction());
  QMenu* resize = PopupMenu1->addMenu(QStringLiteral("Resize"));
  resize->addAction(grid->topPanel()->shrinkAction());
  resize->addAction(grid->topPanel()->restoreAction());
  grid->topPanel()->setPanel(Panel1);
  PopupMenu1->addSeparator();
  PopupMenu1->addAction(grid->openAction());
  PopupMenu1->addAction(grid->viewAction());
  PopupMenu1->addSeparator();
  grid->reports()->addTo(PopupMenu1);
}

void TfrmMods::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  FormShow();
}

void TfrmMods::FormShow() {
  for (QPushButton* result : {btOptions, btBrowse, btDetails, btMark, btDelete}) result->hide();
  btAbort->hide();
  pnlScan->clear();
  const QDate today = QDate::currentDate();
  dtStart->setDate(today);
  dtEnd->setDate(today);
  btOK->setEnabled(pckDrive->anyTicked());
  btClose->setEnabled(true);
  ClearGrid();
  {
    const QSignalBlocker quiet(cbWildCard);
    cbWildCard->addItems(registeredExtensions(true));
    cbWildCard->setCurrentIndex(kAllFilesIndex);
  }
  cbWildCardChange();
  rgWhenClick();
  layout()->activate();
  applyMinimumWindowSize(this, Panel1->minimumSizeHint().width(), Panel1->geometry().bottom());
  place_.restore();
  btOK->setFocus();
}

void TfrmMods::ClearGrid() {
  grid->clearRows();
  sortItems.first()->setChecked(true);
}

void TfrmMods::btOKClick() {
  if (searching_) return;
  const std::optional<DateQuery> query = currentQuery();
  if (!query) return;
  ClearGrid();
  searching_ = true;
  GuiWalkPacer ownPacer([this](const QString& folder) { pnlScan->setText(platform::displayPath(folder)); });
  FilesByDateSearch search(*query, cbWildCard->currentText(), pacer ? pacer : &ownPacer);
  frame_.begin(search.walk());
  search.run(pckDrive->tickedRoots());
  grid->showTable(search.table(gridColumns()));
  pnlScan->setText(foundCountText(search.foundCount()));
  searching_ = false;
  frame_.finish(search.foundCount() > 0);
}

std::optional<DateQuery> TfrmMods::currentQuery() {
  DateQuery query;
  query.kind = chosenKind();
  query.range = chosenRange();
  QList<DateBox*> read{dtStart};
  if (query.range == DateRange::InBetween) read.append(dtEnd);
  for (DateBox* box : read) {
    if (box->date().isValid()) continue;
    showError(QStringLiteral("\"%1\" is not a valid date.").arg(box->text()));
    box->setFocus();
    box->selectAll();
    return std::nullopt;
  }
  query.start = dtStart->date();
  query.end = dtEnd->date();
  // A start typed past the end and not yet confirmed moves the end along, as confirming would.
  if (query.range == DateRange::InBetween && query.end < query.start) {
    dtEnd->setDate(query.start);
    query.end = query.start;
  }
  return query;
}

DateKind TfrmMods::chosenKind() const {
  if (rbCreated->isChecked()) return DateKind::Created;
  if (rbModified->isChecked()) return DateKind::Modified;
  return DateKind::Accessed;
}

DateRange TfrmMods::chosenRange() const {
  if (rbOnOrBefore->isChecked()) return DateRange::OnOrBefore;
  if (rbOnOrAfter->isChecked()) return DateRange::OnOrAfter;
  return DateRange::InBetween;
}

QString TfrmMods::printTitle() const {
  return dateQueryTitle({chosenKind(), chosenRange(), dtStart->date(), dtEnd->date()});
}

std::vector<FileColumn> TfrmMods::gridColumns() const { return columnsToFit(filesByDateColumns(), fontMetrics()); }

void TfrmMods::btAbortClick() { frame_.abortClicked(); }

void TfrmMods::btBrowseClick() {
  const QModelIndex current = grid->currentIndex();
  const FoundFile* file = current.isValid() ? grid->table().fileOf(current.row()) : nullptr;
  if (!file) return;
  const QString folder = grid->table().files().folderText(*file);
  browseFile(folder, file->name.trimmed());
}

void TfrmMods::sortBy(int command) {
  const SortCommand& sort = filesByDateSorts().at(size_t(command));
  const WaitCursor waiting;
  grid->gridModel()->sortRows(sort.key, sort.column, filesByDateSortDirections().take(command));
  sortItems[command]->setChecked(true);
}

void TfrmMods::rgWhenClick() {
  const bool between = rbInBetween->isChecked();
  lblAnd->setVisible(between);
  dtEnd->setVisible(between);
}

void TfrmMods::dtStartChange() {
  const QDate start = dtStart->date();
  if (start.isValid() && dtEnd->date().isValid() && start > dtEnd->date()) dtEnd->setDate(start);
}

void TfrmMods::dtEndChange() {
  const QDate end = dtEnd->date();
  if (end.isValid() && dtStart->date().isValid() && end < dtStart->date()) dtStart->setDate(end);
}

void TfrmMods::cbWildCardChange() {
  const QString pattern = cbWildCard->currentText();
  lblWild->setText(pattern == kAllFiles ? QStringLiteral("All files") : fileTypeDescription(pattern.mid(1)));
}

void TfrmMods::pckDriveClick() { btOK->setEnabled(pckDrive->anyTicked()); }

void TfrmMods::Addafoldertolistofdrives1Click() {
  editAddedFolders(this);
  fillDriveList(*pckDrive, DriveListUse::FilesAccessed, true);
  pckDriveClick();
}

// Escape and the title bar's close button stop a running search first; the window stays.
void TfrmMods::reject() {
  if (searching_) {
    frame_.stop();
    return;
  }
  QDialog::reject();
}

}  // namespace tessaly
