#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

#include "core/stats/statistics_record.h"
#include "core/stats/types_listing.h"

class QAction;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QStackedWidget;

namespace tessaly {

class ChartToolbar;
class GridModel;
class GridView;
class StatChartView;

// The Types page: the extensions of the run as a listing with its sort menu, or as a pie of
// their sizes, file counts or average sizes.
class TypesPage final : public QWidget {
  Q_OBJECT
 public:
  explicit TypesPage(QWidget* parent);

  // A drive's walk has ended: the listing is made again, the view applied, and the rows
  // sorted by extension.
  void doFileTypes(const StatisticsRecord& record, const TypeFilter& filter);
  void rgTypesClick();
  void sortByClick(TypeSort sort);
  TypeView view() const;
  bool listingShown() const { return view() == TypeView::Listing; }
  void setViewControlsEnabled(bool enabled);
  // Turns the pie on every tick while running; a click on the pie starts or stops it.
  void toggleSpin();
  bool spinning() const { return spin_.isActive(); }

  const ResultTable& table() const;

  std::array<QRadioButton*, 4> rgTypes;  // "Listing", "Pie by Size", "Pie by # Files", "Pie by Average Size"
  QPushButton* btSort;
  QMenu* sortMenu;
  std::array<QAction*, 5> sortItems;  // in TypeSort order
  GridModel* model;
  GridView* gridTypes;
  StatChartView* chartPie;
  ChartToolbar* toolbar;
  QScrollBar* ScrollBar2;

 private:
  void showListing();
  void checkSortItem();

  TypesListing listing_;
  QStackedWidget* views_;
  QWidget* pieArea_;
  QTimer spin_;
};

}  // namespace tessaly
