#pragma once

#include <QDialog>
#include <QPrinter>
#include <functional>
#include <memory>

#include "core/stats/statistics_run.h"
#include "ui/stats/statistics_picker.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace tessaly {

class AttributePage;
class DeletedPage;
class ListingChartPage;
class NotYetPanel;
class OverhangPage;
class SpacePage;
class StatChartView;
class TimePage;
class TypesPage;

// The notebook's pages, in tab order.
enum StatisticsPage {
  kSpacePage,
  kDeletedPage,
  kTypesPage,
  kSizesPage,
  kOverhangPage,
  kAccessPage,
  kCreatedPage,
  kModifiedPage,
  kCombinedPage,
  kAttributePage,
  kTimePage,
};

// frmStatistics: made once at start, shown beside the main window without blocking it, and
// hidden (never destroyed) by "Close", so its results stay for the next time it is shown.
class TfrmStatistics final : public QDialog {
  Q_OBJECT
 public:
  // Shows a chart's page in the print preview, which prints it on the printer.
  using ChartPreviewer = std::function<void(QWidget* owner, QPrinter& printer, const std::function<void(QPrinter&)>& paint)>;

  explicit TfrmStatistics(QWidget* parent = nullptr, StatisticsPicker picker = pickDrivesAndTypes,
                          ChartPreviewer previewer = {});
  ~TfrmStatistics() override;

  // "&Statistics" of the main window: shows the window, or brings it to the front.
  void showStatistics();

  void btOKClick();
  void btCancelClick();
  void btAbortClick();
  void btPrintClick();
  void OvcNotebook1PageChanged(int index);

  bool collecting() const { return collecting_; }
  bool statsCollected() const { return statsCollected_; }
  // The last run, while it walks and after it; none before the first.
  const StatisticsRun* lastRun() const { return run_.get(); }
  // Kept for the window's life, so a print starts from the last choices.
  QPrinter& printer() { return printer_; }
  // The title of a printed chart or window page.
  QString printTitle() const;
  // Paces the walks instead of the window's own pacer (nullptr gives it back).
  void setWalkPacer(WalkPacer* pacer) { pacer_ = pacer; }

  QTabWidget* OvcNotebook1;
  QPushButton* btOK;
  QPushButton* btPrint;
  QPushButton* btCancel;
  QLabel* StatusBar1;
  NotYetPanel* pnlNotYet;
  SpacePage* spacePage;
  DeletedPage* deletedPage;
  TypesPage* typesPage;
  ListingChartPage* sizesPage;
  OverhangPage* overhangPage;
  ListingChartPage* accessPage;
  ListingChartPage* createdPage;
  ListingChartPage* modifiedPage;
  ListingChartPage* combinedPage;
  AttributePage* attributePage;
  TimePage* timePage;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  QWidget* buttonRow();
  void addPages();
  void collect(StatisticsRun& run);
  void refreshPages();
  void disenable(bool enabled);
  void updateNotYetPanel();
  void placeNotYetPanel();
  void markActiveTab(int index);
  // The chart a page shows, or none when it shows a listing or no chart.
  StatChartView* shownChart(int page) const;
  void previewChart(StatChartView& chart);
  void printWindow();
  void changeBackgroundColor(const QColor& colour);

  StatisticsPicker picker_;
  ChartPreviewer previewer_;
  std::unique_ptr<StatisticsRun> run_;
  StatisticsRecord record_;  // what the pages show: the last run's numbers so far
  QPrinter printer_;
  WalkPacer* pacer_ = nullptr;
  bool collecting_ = false;
  bool statsCollected_ = false;
};

// The owner's statistics window, made with it at start (and here when it has none yet).
TfrmStatistics& statisticsWindow(QWidget* owner);

// The preview the window uses unless it is given another.
void openChartPreview(QWidget* owner, QPrinter& printer, const std::function<void(QPrinter&)>& paint);

}  // namespace tessaly
