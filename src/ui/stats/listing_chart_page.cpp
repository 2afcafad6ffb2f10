#include "ui/stats/listing_chart_page.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "ui/grid/grid_model.h"
#include "ui/grid/grid_view.h"
#include "ui/stats/chart_toolbar.h"
#include "ui/stats/listing_grid.h"
#include "ui/stats/stat_chart_view.h"

namespace tessaly {

ListingChartPage::ListingChartPage(const StatisticsRecord& record, Content content, QWidget* parent)
    : QWidget(parent), record_(record), content_(std::move(content)) {
  rbBySize = new QRadioButton(QStringLiteral("Chart by &Size (in MB)"), this);
  rbByCount = new QRadioButton(QStringLiteral("Chart by &Number of Files"), this);
  rbListing = new QRadioButton(QStringLiteral("&Listing"), this);
  rbBySize->setChecked(true);
  auto* group = new QButtonGroup(this);
  int index = 0;
  auto* buttons = new QHBoxLayout;
  for (QRadioButton* button : {rbBySize, rbByCount, rbListing}) {
    button->setObjectName(content_.buttonPrefix + QString::number(index++));
    group->addButton(button);
    buttons->addWidget(button);
  }
  connect(group, &QButtonGroup::buttonClicked, this, &ListingChartPage::viewClick);
  buttons->addStretch();
  chartArea_ = new QWidget(this);
  chart = new StatChartView(chartArea_);
  toolbar = new ChartToolbar(chart, this);
  buttons->addWidget(toolbar);
  if (!content_.information.isEmpty()) {
    btInfo = new QPushButton(QStringLiteral("&Info"), this);
    btInfo->setToolTip(QStringLiteral("About this page"));
    connect(btInfo, &QPushButton::clicked, this, &ListingChartPage::showInformation);
    buttons->addWidget(btInfo);
  }

  model = new GridModel(this);
  grid = listingGrid(model, this);
  auto* chartLayout = new QVBoxLayout(chartArea_);
  chartLayout->setContentsMargins(0, 0, 0, 0);
  chartLayout->addWidget(chart, 1);
  views_ = new QStackedWidget(this);
  views_->addWidget(chartArea_);
  views_->addWidget(grid);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(views_, 1);
  // The chart is made by the first run; until then the page is covered.
  model->resetTable(content_.listing(record_));
}

bool ListingChartPage::listingShown() const { return rbListing->isChecked(); }

void ListingChartPage::refresh() {
  model->resetTable(content_.listing(record_));
  viewClick();
}

void ListingChartPage::viewClick() {
  views_->setCurrentWidget(listingShown() ? static_cast<QWidget*>(grid) : chartArea_);
  toolbar->setVisible(!listingShown());
  if (!listingShown()) content_.chart(*chart, record_, rbBySize->isChecked());
}

void ListingChartPage::setViewControlsEnabled(bool enabled) {
  for (QRadioButton* button : {rbBySize, rbByCount, rbListing}) button->setEnabled(enabled);
}

void ListingChartPage::showInformation() const { showInfo(content_.information); }

}  // namespace tessaly
