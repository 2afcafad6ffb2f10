#pragma once

#include <QWidget>
#include <functional>

#include "core/grid/result_table.h"
#include "core/stats/statistics_record.h"

class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace tessaly {

class ChartToolbar;
class GridModel;
class GridView;
class StatChartView;

// A page that shows the run's numbers as a listing or as a chart, chosen by three radio
// buttons: the Sizes, Access, Created, Modified and Combined pages.
class ListingChartPage final : public QWidget {
  Q_OBJECT
 public:
  struct Content {
    QString buttonPrefix;  // object names of the radio buttons: prefix + 0, 1, 2
    std::function<ResultTable(const StatisticsRecord&)> listing;
    std::function<void(StatChartView&, const StatisticsRecord&, bool bySize)> chart;
    QString information;  // the information button's text; no button without one
  };

  ListingChartPage(const StatisticsRecord& record, Content content, QWidget* parent);

  // The run's numbers changed: the grid and the chart are made again.
  void refresh();
  // A radio button was chosen: the grid, or the chart made from the record.
  void viewClick();
  bool listingShown() const;
  void setViewControlsEnabled(bool enabled);
  void showInformation() const;

  QRadioButton* rbBySize;
  QRadioButton* rbByCount;
  QRadioButton* rbListing;
  QPushButton* btInfo = nullptr;
  GridModel* model;
  GridView* grid;
  StatChartView* chart;
  ChartToolbar* toolbar;

 private:
  const StatisticsRecord& record_;
  Content content_;
  QStackedWidget* views_;
  QWidget* chartArea_;
};

}  // namespace tessaly
