#pragma once

#include <QWidget>

class QToolButton;

namespace tessaly {

class StatChartView;

// The buttons shown with a chart: zoom in and out, back to the whole chart, and a copy of the
// chart as a picture on the clipboard. Pictures without captions, as they share a row with
// the page's view buttons; each is reached with Tab.
class ChartToolbar final : public QWidget {
  Q_OBJECT
 public:
  ChartToolbar(StatChartView* chart, QWidget* parent);

  QToolButton* zoomIn;
  QToolButton* zoomOut;
  QToolButton* zoomReset;
  QToolButton* copyPicture;
};

}  // namespace tessaly
