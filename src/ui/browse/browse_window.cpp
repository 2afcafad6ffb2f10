#include "ui/browse/browse_window.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/browse/browse_sorts.h"
#include "core/browse/folder_files.h"
#include "core/common/date_texts.h"
#include "core/common/dialogs.h"
#include "core/common/text_routines.h"
#include "core/deletion/folder_refusals.h"
#include "core/safeharbor/safe_harbor.h"
#include "platform/drive_table.h"
#include "platform/host_path.h"
#include "ui/browse/folder_list_box.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"
#include "ui/common/wait_cursor.h"
#include "ui/deletion/del_directory_window.h"
#include "ui/grid/grid_table_model.h"
#include "ui/grid/marked_grid.h"
#include "ui/scan/wild_card_window.h"

namespace tessaly {
namespace {

constexpr int kLeftColumnWidth = 200;
constexpr int kButtonGap = 5;
constexpr int kBrowseTextInset = 3;
constexpr QSize kStartSize(980, 500);
// The longest texts the four narrow columns are sized for: a date late in the year, a time
// late in the day, a size in the tens of gigabytes.
const QDate kWidestDate(2000, 12, 28);
const QTime kWidestTime(23, 58, 58);
constexpr qint64 kWidestSize = 99'999'999'999;

// The design widths suit a smaller font than a desktop's: a narrow column is made wide enough
// for its longest text, with the inset on both sides.
int fittingWidth(const QFontMetrics& metrics, const QString& longestText, int designWidth) {
  return qMax(designWidth, metrics.horizontalAdvance(longestText) + 2 * kBrowseTextInset + 1);
}

// In BrowseColumn order; Filename and Type share what the four others leave.
std::vector<FileColumn> browseColumns(const QFontMetrics& metrics) {
  const QString date = shortDateText(kWidestDate);
  return {{QStringLiteral("Modified"), FileValue::Modified, fittingWidth(metrics, date, 69)},
          {QStringLiteral("Time"), FileValue::Time, fittingWidth(metrics, longTimeText(kWidestTime), 66)},
          {QStringLiteral("Access"), FileValue::Accessed, fittingWidth(metrics, date, 66)},
          {QStringLiteral("Size"), FileValue::Size, fittingWidth(metrics, formatThousands(kWidestSize), 61)},
          {QStringLiteral("Filename"), FileValue::Name},
          {QStringLiteral("Type"), FileValue::Type}};
}

MarkedGridSettings browseGridSettings(const std::vector<FileColumn>& columns) {
  MarkedGridSettings settings;
  settings.columns = columns;
  settings.markColumn = BrowseFilename;
  settings.counterPattern = QStringLiteral("Marked for deletion: %d files %s bytes");
  settings.afterHandOver = AfterHandOver::ReloadListing;
  settings.closeQuery = true;
  settings.textInset = kBrowseTextInset;
  return settings;
}

QLabel* statusPanel(QWidget* parent) {
  auto* panel = new QLabel(parent);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  return panel;
}

}  // namespace

TfrmBrowse::TfrmBrowse(const QString& folder, QWidget* parent)
    : QDialog(parent), columns_(browseColumns(fontMetrics())), folder_(folder), placement_(*this, {QStringLiteral("tessaly.ini"), QString(), QStringLiteral("frmBrowse")}) {
  setObjectName(QStringLiteral("frmBrowse"));
  setWindowTitle(QStringLiteral("Browse through folders"));
  setHelpTopic(this, QStringLiteral("browse.html"));
  setSizeGripEnabled(true);

  DriveCombobox1 = new QComboBox(this);
  DirectoryListBox1 = new FolderListBox(this);
  auto* left = new QVBoxLayout;
  left->addWidget(DriveCombobox1);
  left->addWidget(DirectoryListBox1, 1);
  auto* leftColumn = new QWidget(this);
  leftColumn->setLayout(left);
  left->setContentsMargins(0, 0, 0, 0);
  leftColumn->setFixedWidth(kLeftColumnWidth);

  btMenu = new QPushButton(QStringLiteral("O&ptions"), this);
  Label1 = new QLabel(this);
  Label1->setAutoFillBackground(true);
  Label1->setTextFormat(Qt::PlainText);
  grid = new MarkedGrid(browseGridSettings(columns_), this);
  grid->setToolTip(QStringLiteral("Double click to mark, right click for options"));
  auto* top = new QHBoxLayout;
  top->addWidget(btMenu);
  top->addWidget(Label1, 1);
  auto* right = new QVBoxLayout;
  right->addLayout(top);
  right->addWidget(grid, 1);
  auto* columns = new QHBoxLayout;
  columns->addWidget(leftColumn);
  columns->addLayout(right, 1);

  btDeleteDirectory = hintedButton(QStringLiteral("Delete &Folder"), QStringLiteral("Delete folder and all files/folders below"), this);
  btDetails = hintedButton(QStringLiteral("&Details"), QStringLiteral("View more file details"), this);
  btLaunch = hintedButton(QStringLiteral("&Open"), QStringLiteral("Run/launch associated application"), this);
  btView = hintedButton(QStringLiteral("&View"), QStringLiteral("View file"), this);
  btMark = hintedButton(QStringLiteral("&Mark"), QStringLiteral("Mark/unmark files for deletion"), this);
  btDeleteFiles = hintedButton(QStringLiteral("&Clean marked files"), QStringLiteral("Clean up marked files"), this);
  btDeleteFiles->setEnabled(false);
  btClose = new QPushButton(QStringLiteral("Close"), this);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(kButtonGap);
  buttons->addWidget(btDeleteDirectory);
  buttons->addStretch(1);
  for (QPushButton* button : {btDetails, btLaunch, btView, btMark, btDeleteFiles, btClose}) buttons->addWidget(button);

  pnlScan = statusPanel(this);
  pnlWild = new QPushButton(this);
  pnlWild->setFlat(true);
  pnlWild->setCursor(Qt::PointingHandCursor);
  pnlWild->setToolTip(QStringLiteral("Click to change the wildcard pattern"));
  pnlSize = statusPanel(this);
  auto* status = new QHBoxLayout;
  status->addWidget(pnlScan, 1);
  status->addWidget(pnlWild);
  status->addWidget(pnlSize, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addLayout(buttons);
  layout->addLayout(status);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->addAction(grid->detailsAction());
  QMenu* sortMenu = PopupMenu1->addMenu(QStringLiteral("Sort"));
  auto* sortGroup = new QActionGroup(this);
  for (int item = 0; item < int(browseSorts().size()); ++item) {
    QAction* action = sortMenu->addAction(browseSorts()[size_t(item)].caption);
    action->setCheckable(true);
    sortGroup->addAction(action);
    sortItems.append(action);
    connect(action, &QAction::triggered, this, [this, item] { sortByItem(item); });
  }
  sortItems[checkedSort_]->setChecked(true);
  QMenu* markMenu = PopupMenu1->addMenu(QStringLiteral("Mark"));
  markMenu->addAction(grid->markAllAction());
  markMenu->addAction(grid->unmarkAllAction());
  PopupMenu1->addSeparator();
  PopupMenu1->addAction(grid->openAction());
  PopupMenu1->addAction(grid->viewAction());
  btMenu->setMenu(PopupMenu1);
  showMenuOnRightClick(grid, PopupMenu1);

  connect(DriveCombobox1, &QComboBox::activated, this, [this](int index) {
    const QString root = DriveCombobox1->itemData(index).toString();
    if (platform::driveTable().ready(root)) {
      changeFolder(root);
    } else {
      DriveCombobox1->setCurrentIndex(DriveCombobox1->findData(driveRootOf(folder_)));
    }
  });
  connect(DirectoryListBox1, &FolderListBox::folderChosen, this, &TfrmBrowse::changeFolder);
  connect(grid, &GridView::headingClicked, this, &TfrmBrowse::headingClicked);
  connect(grid, &MarkedGrid::counterChanged, pnlScan, &QLabel::setText);
  connect(grid, &MarkedGrid::cleanEnabledChanged, btDeleteFiles, &QPushButton::setEnabled);
  connect(grid, &MarkedGrid::reloadRequested, this, &TfrmBrowse::DirectoryListBox1Change);
  connect(btMark, &QPushButton::clicked, grid, &MarkedGrid::markCurrentAndAdvance);
  connect(btDeleteFiles, &QPushButton::clicked, grid, &MarkedGrid::handOver);
  connect(btLaunch, &QPushButton::clicked, grid, &MarkedGrid::openCurrent);
  connect(btView, &QPushButton::clicked, grid, &MarkedGrid::viewCurrent);
  connect(btDetails, &QPushButton::clicked, grid, &MarkedGrid::showCurrentDetails);
  connect(btDeleteDirectory, &QPushButton::clicked, this, &TfrmBrowse::btDeleteDirectoryClick);
  connect(pnlWild, &QPushButton::clicked, this, &TfrmBrowse::pnlWildClick);
  connect(btClose, &QPushButton::clicked, this, &TfrmBrowse::reject);
  runFolderDeletion = [](TfrmDelDirectory& window) { return window.exec(); };
  runWildCard = [](TfrmWildCard& window) { return window.exec(); };
  resize(kStartSize);
}

TfrmBrowse::~TfrmBrowse() = default;

void TfrmBrowse::openOn(const QString& folder, const QString& pattern, const QString& file, QWidget* owner,
                        QString* archiveFolder) {
  TfrmBrowse window(folder, owner);
  if (!pattern.isEmpty()) window.setPattern(pattern);
  window.setFileName(file);
  window.setArchiveFolder(archiveFolder);
  window.exec();
}

void TfrmBrowse::setFolder(const QString& folder) {
  folder_ = folder;
  if (shownOnce_) changeFolder(folder);
}

void TfrmBrowse::setPattern(const QString& pattern) { pattern_ = pattern; }

void TfrmBrowse::setArchiveFolder(QString* defaultZipPath) {
  defaultZipPath_ = defaultZipPath;
  grid->deletionServices.defaultZipPath = defaultZipPath;
}

void TfrmBrowse::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TfrmBrowse::FormShow() {
  showPattern();
  fillDrives();
  changeFolder(folder_);
  placement_.restore();
}

void TfrmBrowse::fillDrives() {
  DriveCombobox1->clear();
  for (const platform::DriveInfo& drive : platform::driveTable().drives())
    DriveCombobox1->addItem(platform::displayPath(drive.itemText()), drive.mountPoint);
}

QString TfrmBrowse::driveRootOf(const QString& folder) const {
  const QString root = platform::driveHolding(folder).mountPoint;
  return root.isEmpty() ? QStringLiteral("/") : root;
}

void TfrmBrowse::changeFolder(const QString& folder) {
  if (!platform::driveTable().ready(driveRootOf(folder))) return;  // the grid keeps what it showed
  folder_ = nearestOpenFolder(folder);
  const QString root = driveRootOf(folder_);
  DriveCombobox1->setCurrentIndex(DriveCombobox1->findData(root));
  DirectoryListBox1->showFolder(root, folder_);
  DirectoryListBox1Change();
}

// Loads the current folder's files: a change of folder, a new pattern, the end of a clean-up.
void TfrmBrowse::DirectoryListBox1Change() {
  if (!platform::driveTable().ready(driveRootOf(folder_))) return;
  qint64 total = 0;
  {
    const WaitCursor wait;
    const FolderFiles listed = listFolderFiles(folder_, pattern_);
    total = listed.totalBytes;
    std::vector<ResultEntry> rows;
    for (quint32 file = 0; file < quint32(listed.files->files().size()); ++file) rows.push_back({file});
    // An empty folder shows one empty row.
    if (rows.empty()) rows.push_back({kNoFile});
    grid->showTable(FileTable(listed.files, columns_, std::move(rows)));
    const BrowseSort& sort = browseSorts()[size_t(checkedSort_)];
    grid->gridModel()->sortRows(sort.key, sort.column, browseSortDirections().isDescending(checkedSort_));
    pnlScan->setText(QStringLiteral("Number of files : ") + formatThousands(qint64(listed.files->files().size())));
  }
  pnlSize->setText(QStringLiteral("Total size : ") + formatThousands(total));
  showFolderLabel();
}

void TfrmBrowse::showFolderLabel() {
  Label1->setText(Label1->fontMetrics().elidedText(platform::displayPath(folder_), Qt::ElideMiddle, DirectoryListBox1->width()));
  int reason = NotProtected;
  const bool harbored = protectionCheck().isInExceptionList(folder_, false, &reason);
  Label1->setBackgroundRole(harbored ? QPalette::Highlight : QPalette::Button);
  Label1->setForegroundRole(harbored ? QPalette::HighlightedText : QPalette::WindowText);
  Label1->setToolTip(harbored ? QStringLiteral("Folder is ON the Non-Deletion List") : QString());
}

void TfrmBrowse::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (shownOnce_) showFolderLabel();
}

// Turns the command's direction round and sorts that way; the command is checked.
void TfrmBrowse::sortByItem(int item) {
  if (grid->table().rowCount() < 1) return;
  const WaitCursor wait;
  browseSortDirections().take(item);
  const BrowseSort& sort = browseSorts()[size_t(item)];
  grid->gridModel()->sortRows(sort.key, sort.column, browseSortDirections().isDescending(item));
  checkedSort_ = item;
  sortItems[item]->setChecked(true);
}

void TfrmBrowse::headingClicked(int column) {
  const int item = browseSortOfColumn(column);
  if (item < 0 || headingSortRunning_) return;
  headingSortRunning_ = true;
  sortByItem(item);
  headingSortRunning_ = false;
}

void TfrmBrowse::pnlWildClick() {
  TfrmWildCard wildCard(this);
  wildCard.cbWildCard->setEditText(pattern_);
  if (runWildCard(wildCard) == QDialog::Accepted) {
    pattern_ = wildCard.cbWildCard->currentText();
    DirectoryListBox1Change();
  }
  showPattern();
}

void TfrmBrowse::showPattern() {
  // An "&" of the pattern is shown as itself, not taken for the panel's letter.
  pnlWild->setText(QStringLiteral("&Wildcard : ") + QString(pattern_).replace(u'&', QStringLiteral("&&")));
}

void TfrmBrowse::btDeleteDirectoryClick() {
  const QString folder = folder_;
  const QString refusal = folderDeletionRefusal(folder);
  if (!refusal.isEmpty()) {
    showError(refusal);
    return;
  }
  changeFolder(parentFolder(folder));
  FolderDeletionServices services;
  services.defaultZipPath = defaultZipPath_;
  TfrmDelDirectory deletion(folder, services, this);
  // Cancelled, the folder is still there: back into it. Otherwise the parent, read again.
  changeFolder(runFolderDeletion(deletion) == QDialog::Rejected ? folder : folder_);
}

void TfrmBrowse::reject() {
  if (grid->confirmClose()) QDialog::reject();
}

}  // namespace tessaly
