#include "ui/stats/time_page.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "core/stats/record_views.h"
#include "ui/stats/chart_builders.h"
#include "ui/stats/chart_toolbar.h"
#include "ui/stats/stat_chart_view.h"

namespace tessaly {
namespace {

constexpr int kLeastDepth = 8;
constexpr int kMostDepth = 70;
constexpr int kFirstDepth = 20;

}  // namespace

TimePage::TimePage(QWidget* parent) : QWidget(parent) {
  Chart4 = new StatChartView(this);
  toolbar = new ChartToolbar(Chart4, this);
  sbTime = new QScrollBar(Qt::Horizontal, this);
  sbTime->setRange(kLeastDepth, kMostDepth);
  sbTime->setValue(kLeastDepth);
  sbTime->setToolTip(QStringLiteral("Depth of the chart"));
  connect(sbTime, &QScrollBar::valueChanged, Chart4, &StatChartView::setDepthPercent);
  btInfo = new QPushButton(QStringLiteral("&Info"), this);
  btInfo->setToolTip(QStringLiteral("About this page"));
  connect(btInfo, &QPushButton::clicked, this, &TimePage::showInformation);

  auto* top = new QHBoxLayout;
  top->addStretch();
  top->addWidget(toolbar);
  top->addWidget(btInfo);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Chart4, 1);
  layout->addWidget(sbTime);
  Chart4->setDepthPercent(kFirstDepth);
}

void TimePage::doFileTimes(const StatisticsRecord& record) {
  showLines(*Chart4, timeChart(record), {accessTimeShown(record), true, true},
            QStringLiteral("Time of day file was accessed/modified/created"), QStringLiteral("Numer of files"));
}

void TimePage::showInformation() const {
  showInfo(QStringLiteral(
      "Note: Sometimes software vendors use the file modified time to indicate the version number of a product. For "
      "example, a file with the time of 02:10 am would represent version 2.1 of a certain product.  Note that files "
      "with a time of 12:00:00 am are excluded from this graph."));
}

}  // namespace tessaly
