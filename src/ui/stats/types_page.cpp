#include "ui/stats/types_page.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/stats/space_view.h"
#include "ui/common/wait_cursor.h"
#include "ui/grid/grid_model.h"
#include "ui/grid/grid_view.h"
#include "ui/stats/chart_builders.h"
#include "ui/stats/chart_toolbar.h"
#include "ui/stats/stat_chart_view.h"

namespace tessaly {
namespace {

constexpr int kSpinDegrees = 2;

}  // namespace

TypesPage::TypesPage(QWidget* parent) : QWidget(parent) {
  const char* const captions[] = {"&Listing", "Pie by Si&ze", "Pie by # &Files", "Pie by A&verage Size"};
  auto* group = new QButtonGroup(this);
  auto* buttons = new QHBoxLayout;
  for (size_t i = 0; i < rgTypes.size(); ++i) {
    rgTypes[i] = new QRadioButton(QString::fromUtf8(captions[i]), this);
    rgTypes[i]->setObjectName(QStringLiteral("rgTypes%1").arg(i));
    group->addButton(rgTypes[i], int(i));
    buttons->addWidget(rgTypes[i]);
  }
  rgTypes[size_t(TypeView::PieBySize)]->setChecked(true);
  connect(group, &QButtonGroup::idClicked, this, &TypesPage::rgTypesClick);
  buttons->addStretch();

  sortMenu = new QMenu(this);
  const char* const sortCaptions[] = {"Sort by &Extension", "Sort by &Type", "Sort by &Size", "Sort by &Number of files",
                                      "Sort by &Average File Size"};
  for (size_t i = 0; i < sortItems.size(); ++i) {
    sortItems[i] = sortMenu->addAction(QString::fromUtf8(sortCaptions[i]), this,
                                       [this, i] { sortByClick(TypeSort(i)); });
    sortItems[i]->setCheckable(true);
  }
  sortItems[0]->setChecked(true);
  btSort = new QPushButton(QStringLiteral("&Sort"), this);
  btSort->setMenu(sortMenu);
  buttons->addWidget(btSort);

  pieArea_ = new QWidget(this);
  chartPie = new StatChartView(pieArea_);
  toolbar = new ChartToolbar(chartPie, this);
  buttons->addWidget(toolbar);

  model = new GridModel(this);
  gridTypes = new GridView(this);
  gridTypes->setGridModel(model);
  gridTypes->setTabKeyNavigation(false);  // Tab moves on to the window's buttons
  gridTypes->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(gridTypes, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { sortMenu->popup(gridTypes->viewport()->mapToGlobal(at)); });

  chartPie->setToolTip(QStringLiteral("Click on pie to toggle animation"));
  ScrollBar2 = new QScrollBar(Qt::Horizontal, pieArea_);
  ScrollBar2->setRange(0, kFullTurn);
  ScrollBar2->setToolTip(QStringLiteral("Turn the pie"));
  connect(ScrollBar2, &QScrollBar::valueChanged, this, [this](int angle) { turnPie(*chartPie, angle); });
  connect(chartPie, &StatChartView::clicked, this, &TypesPage::toggleSpin);
  spin_.setInterval(kAnimationTickMs);
  connect(&spin_, &QTimer::timeout, this,
          [this] { ScrollBar2->setValue((ScrollBar2->value() + kSpinDegrees) % kFullTurn); });
  auto* pieLayout = new QVBoxLayout(pieArea_);
  pieLayout->setContentsMargins(0, 0, 0, 0);
  pieLayout->setSpacing(0);
  pieLayout->addWidget(chartPie, 1);
  pieLayout->addWidget(ScrollBar2);

  views_ = new QStackedWidget(this);
  views_->addWidget(pieArea_);
  views_->addWidget(gridTypes);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(views_, 1);
  showListing();
  rgTypesClick();
}

TypeView TypesPage::view() const {
  for (size_t i = 0; i < rgTypes.size(); ++i) {
    if (rgTypes[i]->isChecked()) return TypeView(i);
  }
  return TypeView::PieBySize;
}

const ResultTable& TypesPage::table() const { return model->table(); }

void TypesPage::doFileTypes(const StatisticsRecord& record, const TypeFilter& filter) {
  listing_ = TypesListing(record.types, filter);
  rgTypesClick();
  sortByClick(TypeSort::Extension);
}

void TypesPage::rgTypesClick() {
  const TypeView shown = view();
  btSort->setVisible(shown == TypeView::Listing);
  toolbar->setVisible(shown != TypeView::Listing);
  if (shown == TypeView::Listing) {
    views_->setCurrentWidget(gridTypes);
  } else {
    views_->setCurrentWidget(pieArea_);
    showPie(*chartPie, QString(), listing_.pie(shown), {.sliceLabels = true, .pullLargest = true});
    turnPie(*chartPie, ScrollBar2->value());
    checkSortItem();
  }
  showListing();
}

void TypesPage::sortByClick(TypeSort sort) {
  if (listing_.rows().size() < 2) return;
  const WaitCursor waitCursor;
  listing_.sort(sort);
  showListing();
  checkSortItem();
}

void TypesPage::showListing() { model->resetTable(listing_.table()); }

void TypesPage::checkSortItem() {
  for (size_t i = 0; i < sortItems.size(); ++i) sortItems[i]->setChecked(TypeSort(i) == listing_.sortedBy());
}

void TypesPage::setViewControlsEnabled(bool enabled) {
  for (QRadioButton* button : rgTypes) button->setEnabled(enabled);
  btSort->setEnabled(enabled);
}

void TypesPage::toggleSpin() {
  if (spin_.isActive()) {
    spin_.stop();
  } else {
    spin_.start();
  }
}

}  // namespace tessaly
