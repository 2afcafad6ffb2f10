#include "ui/stats/statistics_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "core/stats/record_views.h"
#include "ui/common/help_topic.h"
#include "ui/common/wait_cursor.h"
#include "ui/grid/grid_view.h"
#include "ui/scan/gui_walk_pacer.h"
#include "ui/stats/attribute_page.h"
#include "ui/stats/chart_builders.h"
#include "ui/stats/chart_preview_window.h"
#include "ui/stats/deleted_page.h"
#include "ui/stats/listing_chart_page.h"
#include "ui/stats/not_yet_panel.h"
#include "ui/stats/overhang_page.h"
#include "ui/stats/page_printing.h"
#include "ui/stats/space_page.h"
#include "ui/stats/stat_chart_view.h"
#include "ui/stats/time_page.h"
#include "ui/stats/types_page.h"

namespace tessaly {
namespace {

constexpr QSize kClientSize(630, 434);
const QColor kActiveTabColour(255, 0, 0);
constexpr int kTabPoints = 8;
constexpr int kEdge = 4;
const QString kStatisticsTopic = QStringLiteral("statistics.html");

const char* const kAccessInformation =
    "Note: some file systems do not store the file access date.  Files never recorded as being accessed are "
    "probably old files that were copied from such a file system.";
const char* const kCreatedInformation =
    "Files never recorded as being created are probably on a file system that does not store the creation date.  "
    "Note: prior versions of Linux file systems did not store the file creation date independent of the last file "
    "modification or file write date.";
const char* const kModifiedInformation =
    "Note: prior versions of Linux file systems treated the file creation date synonomously  with the last file "
    "modification date.  Therefore all files have a file modification date.";
const char* const kCombinedInformation = "This chart combines the Accessed, Created and Modified charts";

// The marks of the Sizes and date charts: each bar's share of all bars.
const MarkFormat kShareMarks{.decimals = 1, .suffix = QStringLiteral(" %"), .shareOfTotal = true};

ListingChartPage::Content datePage(DateKind kind, const char* prefix, const char* information) {
  return {QString::fromLatin1(prefix), [kind](const StatisticsRecord& record) { return dateGrid(record, kind); },
          [kind](StatChartView& view, const StatisticsRecord& record, bool bySize) {
            showPaletteBars(view, dateChart(record, kind, bySize), kShareMarks);
          },
          QString::fromLatin1(information)};
}

}  // namespace

TfrmStatistics& statisticsWindow(QWidget* owner) {
  auto* window = owner->findChild<TfrmStatistics*>(QStringLiteral("frmStatistics"), Qt::FindDirectChildrenOnly);
  return window ? *window : *new TfrmStatistics(owner);
}

void openChartPreview(QWidget* owner, QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
  TfrmChartPreview preview(printer, paint, owner);
  preview.exec();
}

TfrmStatistics::TfrmStatistics(QWidget* parent, StatisticsPicker picker, ChartPreviewer previewer)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      picker_(picker ? std::move(picker) : pickDrivesAndTypes),
      previewer_(previewer ? std::move(previewer) : openChartPreview) {
  setObjectName(QStringLiteral("frmStatistics"));
  setWindowTitle(QStringLiteral("File Statistics Not Yet Collected"));
  setFixedSize(kClientSize);
  setModal(false);

  OvcNotebook1 = new QTabWidget(this);
  OvcNotebook1->setObjectName(QStringLiteral("OvcNotebook1"));
  // Eleven tabs in one row of a narrow window.
  QFont tabFont = OvcNotebook1->tabBar()->font();
  tabFont.setPointSize(kTabPoints);
  OvcNotebook1->tabBar()->setFont(tabFont);
  OvcNotebook1->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
  OvcNotebook1->tabBar()->setExpanding(false);
  OvcNotebook1->tabBar()->setUsesScrollButtons(false);
  addPages();
  pnlNotYet = new NotYetPanel(OvcNotebook1);
  connect(pnlNotYet->btAbort, &QPushButton::clicked, this, &TfrmStatistics::btAbortClick);
  OvcNotebook1->installEventFilter(this);
  // The program ends with the main window: a walk still running stops with it.
  if (parent) parent->installEventFilter(this);

  auto* statusBar = new QStatusBar(this);
  statusBar->setSizeGripEnabled(false);
  StatusBar1 = new QLabel(statusBar);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  statusBar->addWidget(StatusBar1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kEdge, kEdge, kEdge, 0);  // the status bar runs to the bottom edge
  layout->addWidget(OvcNotebook1, 1);
  layout->addWidget(buttonRow());
  layout->addWidget(statusBar);
  connect(OvcNotebook1, &QTabWidget::currentChanged, this, &TfrmStatistics::OvcNotebook1PageChanged);
  setHelpTopic(this, kStatisticsTopic);
  FormCreate();
}

TfrmStatistics::~TfrmStatistics() = default;

void TfrmStatistics::addPages() {
  spacePage = new SpacePage(OvcNotebook1);
  deletedPage = new DeletedPage(OvcNotebook1);
  typesPage = new TypesPage(OvcNotebook1);
  sizesPage = new ListingChartPage(
      record_,
      {QStringLiteral("rgSize"), sizesGrid,
       [](StatChartView& view, const StatisticsRecord& record, bool bySize) {
         showPaletteBars(view, sizesChart(record, bySize), kShareMarks);
       },
       QString()},
      OvcNotebook1);
  overhangPage = new OverhangPage(OvcNotebook1);
  accessPage = new ListingChartPage(record_, datePage(DateKind::Accessed, "rgAccess", kAccessInformation), OvcNotebook1);
  createdPage = new ListingChartPage(record_, datePage(DateKind::Created, "rgCreate", kCreatedInformation), OvcNotebook1);
  modifiedPage =
      new ListingChartPage(record_, datePage(DateKind::Modified, "rgModify", kModifiedInformation), OvcNotebook1);
  combinedPage = new ListingChartPage(
      record_,
      {QStringLiteral("rbCombine"), combinedGrid,
       [](StatChartView& view, const StatisticsRecord& record, bool bySize) {
         showSideBySideBars(view, combinedChart(record, bySize));
       },
       QString::fromLatin1(kCombinedInformation)},
      OvcNotebook1);
  attributePage = new AttributePage(OvcNotebook1);
  timePage = new TimePage(OvcNotebook1);
  const std::pair<QWidget*, const char*> pages[] = {
      {spacePage, "Space"},       {deletedPage, "Deleted"},   {typesPage, "Types"},       {sizesPage, "Sizes"},
      {overhangPage, "Overhang"}, {accessPage, "Access"},     {createdPage, "Created"},   {modifiedPage, "Modified"},
      {combinedPage, "Combined"}, {attributePage, "Attribute"}, {timePage, "Time"}};
  for (const auto& [page, caption] : pages) OvcNotebook1->addTab(page, QString::fromLatin1(caption));
}

QWidget* TfrmStatistics::buttonRow() {
  auto* row = new QWidget(this);
  btOK = new QPushButton(QStringLiteral("&Collect statistics"), row);
  btOK->setToolTip(QStringLiteral("Start collecting statistics"));
  btOK->setDefault(true);
  btPrint = new QPushButton(QStringLiteral("&Print page"), row);
  btPrint->setToolTip(QStringLiteral("Print this page only"));
  btCancel = new QPushButton(QStringLiteral("Close"), row);
  btCancel->setToolTip(QStringLiteral("Cancel operation or close window"));
  connect(btOK, &QPushButton::clicked, this, &TfrmStatistics::btOKClick);
  connect(btPrint, &QPushButton::clicked, this, &TfrmStatistics::btPrintClick);
  connect(btCancel, &QPushButton::clicked, this, &TfrmStatistics::btCancelClick);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch();
  for (QPushButton* button : {btOK, btPrint, btCancel}) layout->addWidget(button);
  layout->addStretch();
  return row;
}

void TfrmStatistics::FormCreate() {
  OvcNotebook1->setCurrentIndex(kSpacePage);
  statsCollected_ = false;
  pnlNotYet->showCollecting(false);
  spacePage->fillDrives();
  markActiveTab(kSpacePage);
}

void TfrmStatistics::showStatistics() {
  show();
  raise();
  activateWindow();
}

void TfrmStatistics::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TfrmStatistics::FormShow() {
  spacePage->doDiskSize();
  OvcNotebook1PageChanged(OvcNotebook1->currentIndex());
}

void TfrmStatistics::markActiveTab(int index) {
  QTabBar* tabs = OvcNotebook1->tabBar();
  for (int tab = 0; tab < tabs->count(); ++tab) tabs->setTabTextColor(tab, tab == index ? kActiveTabColour : QColor());
}

void TfrmStatistics::OvcNotebook1PageChanged(int index) {
  markActiveTab(index);
  if (index == kDeletedPage) deletedPage->showFilesDeleted();
  if (index == kSpacePage) spacePage->enterPage();
  updateNotYetPanel();
}

// Covers the pages that need a run until the first one, and every such page while a run
// walks, so that its "Abort" is always at hand.
void TfrmStatistics::updateNotYetPanel() {
  const int page = OvcNotebook1->currentIndex();
  const bool runPage = page != kSpacePage && page != kDeletedPage;
  pnlNotYet->setVisible(runPage && (!statsCollected_ || collecting_));
  if (pnlNotYet->isVisible()) {
    placeNotYetPanel();
    pnlNotYet->raise();
  }
}

void TfrmStatistics::placeNotYetPanel() {
  const int tabsHeight = OvcNotebook1->tabBar()->height();
  pnlNotYet->setGeometry(0, tabsHeight, OvcNotebook1->width(), OvcNotebook1->height() - tabsHeight);
}

bool TfrmStatistics::eventFilter(QObject* watched, QEvent* event) {
  if (watched == OvcNotebook1 && event->type() == QEvent::Resize) placeNotYetPanel();
  if (watched == parentWidget() && event->type() == QEvent::Close) btAbortClick();
  return QDialog::eventFilter(watched, event);
}

void TfrmStatistics::btOKClick() {
  const std::optional<StatisticsChoice> choice = picker_(this);
  if (!choice || choice->pickList1.isEmpty()) return;
  auto run = std::make_unique<StatisticsRun>(choice->pickList1, choice->filter);
  if (run->computePickListTotal() <= 0) {
    showError(kNoCapacity);
    return;
  }
  showInfo(run->startMessage());
  run_ = std::move(run);
  collect(*run_);
}

void TfrmStatistics::collect(StatisticsRun& run) {
  record_.clearVariables();
  typesPage->doFileTypes(record_, run.filter());
  OvcNotebook1->setTabEnabled(kOverhangPage, run.overhangEnabled());
  run.showStatus = [this](const QString& text) { StatusBar1->setText(text); };
  bool pieTimerWasRunning = false;
  std::optional<WaitCursor> hourglass;
  StatisticsRun::DriveHooks hooks;
  hooks.starting = [&] {
    collecting_ = true;
    pnlNotYet->showCollecting(true);
    updateNotYetPanel();
    pieTimerWasRunning = spacePage->Timer1.isActive();
    spacePage->Timer1.stop();
    StatusBar1->clear();
    disenable(false);
    hourglass.emplace();
  };
  hooks.finished = [&] {
    refreshPages();
    StatusBar1->setText(run.statusText());
    hourglass.reset();
    disenable(true);
    if (pieTimerWasRunning) spacePage->Timer1.start();
    statsCollected_ = true;
    collecting_ = false;
    setWindowTitle(run.caption());
  };
  GuiWalkPacer ownPacer;
  run.run(pacer_ ? pacer_ : &ownPacer, hooks);
  pnlNotYet->showCollecting(false);
  updateNotYetPanel();
}

void TfrmStatistics::refreshPages() {
  record_ = run_->record();
  if (run_->overhangEnabled())
    OvcNotebook1->setTabEnabled(kOverhangPage, overhangPage->doOverHang(record_, run_->clusterSize()));
  typesPage->doFileTypes(record_, run_->filter());
  sizesPage->refresh();
  attributePage->doFileAttrs(record_);
  for (ListingChartPage* page : {accessPage, createdPage, modifiedPage, combinedPage}) page->refresh();
  timePage->doFileTimes(record_);
}

void TfrmStatistics::disenable(bool enabled) {
  btPrint->setEnabled(enabled);
  btOK->setEnabled(enabled);
  deletedPage->Button1->setEnabled(enabled);
  spacePage->setViewControlsEnabled(enabled);
  typesPage->setViewControlsEnabled(enabled);
  for (ListingChartPage* page : {sizesPage, accessPage, createdPage, modifiedPage, combinedPage})
    page->setViewControlsEnabled(enabled);
}

void TfrmStatistics::btAbortClick() {
  if (collecting_ && run_) run_->abort();
}

void TfrmStatistics::btCancelClick() {
  if (collecting_) {
    btAbortClick();
    return;
  }
  hide();
}

void TfrmStatistics::reject() { btCancelClick(); }

void TfrmStatistics::closeEvent(QCloseEvent* event) {
  if (collecting_) {
    btAbortClick();
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

QString TfrmStatistics::printTitle() const {
  return windowTitle() + QStringLiteral(" - ") + OvcNotebook1->tabText(OvcNotebook1->currentIndex());
}

StatChartView* TfrmStatistics::shownChart(int page) const {
  switch (page) {
    case kTypesPage:
      return typesPage->listingShown() ? nullptr : typesPage->chartPie;
    case kSizesPage:
    case kAccessPage:
    case kCreatedPage:
    case kModifiedPage:
    case kCombinedPage: {
      auto* listingPage = static_cast<ListingChartPage*>(OvcNotebook1->widget(page));
      return listingPage->listingShown() ? nullptr : listingPage->chart;
    }
    case kTimePage:
      return timePage->Chart4;
    default:
      return nullptr;
  }
}

void TfrmStatistics::btPrintClick() {
  const int page = OvcNotebook1->currentIndex();
  if (pnlNotYet->isVisible() && page != kSpacePage && page != kDeletedPage) return;
  if (StatChartView* chart = shownChart(page)) {
    previewChart(*chart);
    return;
  }
  if (!dialogs().setUpPrinter(printer_)) return;
  if (page == kTypesPage) {
    printGridPages(printer_, typesPage->table(), typesPage->font(),
                   {QStringLiteral("File types for drive ") + (run_ ? run_->currentDrive() : QString())});
    return;
  }
  printWindow();
}

void TfrmStatistics::previewChart(StatChartView& chart) {
  const PageFurniture furniture{printTitle()};
  previewer_(this, printer_, [&chart, furniture](QPrinter& printer) {
    chart.setFaceColour(Qt::white);
    printChart(printer, chart, furniture);
    chart.setFaceColour(QColor());
  });
}

void TfrmStatistics::printWindow() {
  const QPalette faces = palette();
  changeBackgroundColor(Qt::white);
  printWindowImage(printer_, *this, {printTitle()});
  setPalette(faces);
  changeBackgroundColor(QColor());
}

void TfrmStatistics::changeBackgroundColor(const QColor& colour) {
  // Every face but the Types grid's: the window, the pages, the listing grids' headings and
  // the charts. An invalid colour gives the faces back their own colour.
  if (colour.isValid()) {
    QPalette white = palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) white.setColor(role, colour);
    setPalette(white);
    typesPage->gridTypes->setPalette(QApplication::palette(typesPage->gridTypes));
  }
  for (StatChartView* chart : findChildren<StatChartView*>()) chart->setFaceColour(colour);
}

}  // namespace tessaly
