#include "ui/stats/chart_toolbar.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ui/stats/stat_chart_view.h"

namespace tessaly {
namespace {

constexpr qreal kZoomStep = 1.25;

}  // namespace

ChartToolbar::ChartToolbar(StatChartView* chart, QWidget* parent) : QToolBar(parent) {
  setToolButtonStyle(Qt::ToolButtonTextOnly);
  // Short captions: the toolbar shares a row with the page's view buttons.
  zoomIn = addAction(QStringLiteral("+"), this, [chart] { chart->chart()->zoom(kZoomStep); });
  zoomOut = addAction(QString(QChar(0x2212)), this, [chart] { chart->chart()->zoom(1 / kZoomStep); });
  zoomReset = addAction(QStringLiteral("Fit"), this, [chart] { chart->chart()->zoomReset(); });
  copyPicture = addAction(QStringLiteral("Copy"), this,
                          [chart] { QGuiApplication::clipboard()->setPixmap(chart->grab()); });
  zoomIn->setToolTip(QStringLiteral("Enlarge the chart"));
  zoomOut->setToolTip(QStringLiteral("Shrink the chart"));
  zoomReset->setToolTip(QStringLiteral("Show the whole chart again"));
  copyPicture->setToolTip(QStringLiteral("Copy the chart to the clipboard as a picture"));
}

}  // namespace tessaly
