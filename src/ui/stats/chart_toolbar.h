#pragma once

#include <QToolBar>

namespace tessaly {

class StatChartView;

// The toolbar shown with a chart: zoom in and out, back to the whole chart, and a copy of
// the chart as a picture on the clipboard.
class ChartToolbar final : public QToolBar {
  Q_OBJECT
 public:
  ChartToolbar(StatChartView* chart, QWidget* parent);

  QAction* zoomIn;
  QAction* zoomOut;
  QAction* zoomReset;
  QAction* copyPicture;
};

}  // namespace tessaly
