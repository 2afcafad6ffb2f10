#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

#include "core/stats/space_view.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QScrollBar;
class QStackedWidget;

namespace tessaly {

class DriveCheckList;
class StatChartView;

// The Space page: used and free space of the checked drives as stacked bars with their
// figures, or of every ready drive as pies that can turn.
class SpacePage final : public QWidget {
  Q_OBJECT
 public:
  explicit SpacePage(QWidget* parent);

  // The drives of the list, the current one checked.
  void fillDrives();
  // Entering the page: a flat chart made again, then its depth grows.
  void enterPage();
  void doDiskSize();
  void rgSpaceClick();
  void doPieCharts();
  void setViewControlsEnabled(bool enabled);

  bool pieView() const;
  const SpaceView& shown() const { return shown_; }
  const PieAngles& pieAngles() const { return angles_; }
  // The pie animation, which a click on any pie starts or stops.
  void togglePieAnimation();
  void Timer1Timer();
  void Timer2Timer();

  QRadioButton* rgSpace1;  // "Pie - percent"
  QRadioButton* rgSpace2;  // "Bar - totals"
  DriveCheckList* pckStatDrive;
  QCheckBox* cbTotal;
  StatChartView* chartBars;
  QLabel* lblTotal;
  QLabel* lblTot;
  QLabel* lblFree;
  QLabel* lblPct;
  QLabel* lblUsed;
  QLabel* lblPct2;
  std::array<StatChartView*, kDrivePies> pies;
  StatChartView* pieTotal;
  QScrollBar* ScrollBar1;
  QTimer Timer1;  // pie animation
  QTimer Timer2;  // bar depth animation

 private:
  QWidget* barPanel();
  QWidget* piePanel();
  QWidget* figures();
  void setFiguresShown(bool shown);
  void scrollBar1Change(int position);
  void applyAngles();
  void drawPie(StatChartView& pie, const SpacePie& values);

  SpaceView shown_;
  PieAngles angles_;
  QWidget* drivePanel_;
  QStackedWidget* views_;
  QWidget* pieArea_;
  QList<QWidget*> figureCaptions_;
  bool refreshing_ = false;
  bool spinning_ = false;
};

}  // namespace tessaly
