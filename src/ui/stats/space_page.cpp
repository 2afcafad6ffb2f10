#include "ui/stats/space_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/stats/chart_data.h"
#include "ui/scan/drive_check_list.h"
#include "ui/stats/chart_builders.h"
#include "ui/stats/stat_chart_view.h"

namespace tessaly {
namespace {

constexpr int kFlatDepth = 1;
constexpr int kAngleLargeStep = 5;
constexpr int kPiesPerRow[] = {5, 3, 3};
constexpr int kLegendSquare = 12;
constexpr int kDrivePanelWidth = 170;
// The drive pies take three quarters of the width, the total pie the rest.
constexpr int kDrivePiesShare = 3;
constexpr int kTotalPieShare = 1;

QWidget* legendSquare(Rgb colour, QWidget* parent) {
  auto* square = new QLabel(parent);
  square->setFixedSize(kLegendSquare, kLegendSquare);
  square->setStyleSheet(QStringLiteral("background-color: #%1; border: 1px solid black;").arg(colour, 6, 16, QLatin1Char('0')));
  return square;
}

}  // namespace

SpacePage::SpacePage(QWidget* parent) : QWidget(parent) {
  rgSpace1 = new QRadioButton(QStringLiteral("P&ie - percent"), this);
  rgSpace2 = new QRadioButton(QStringLiteral("&Bar - totals"), this);
  rgSpace1->setObjectName(QStringLiteral("rgSpace1"));
  rgSpace2->setObjectName(QStringLiteral("rgSpace2"));
  rgSpace2->setChecked(true);
  auto* group = new QButtonGroup(this);
  group->addButton(rgSpace1);
  group->addButton(rgSpace2);
  connect(group, &QButtonGroup::buttonClicked, this, &SpacePage::rgSpaceClick);

  views_ = new QStackedWidget(this);
  views_->addWidget(barPanel());
  views_->addWidget(piePanel());

  auto* choices = new QHBoxLayout;
  choices->addWidget(rgSpace2);
  choices->addWidget(rgSpace1);
  choices->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(views_, 1);
  layout->addWidget(figures());

  Timer1.setInterval(kAnimationTickMs);
  Timer2.setInterval(kAnimationTickMs);
  connect(&Timer1, &QTimer::timeout, this, &SpacePage::Timer1Timer);
  connect(&Timer2, &QTimer::timeout, this, &SpacePage::Timer2Timer);
  setFiguresShown(false);
}

QWidget* SpacePage::barPanel() {
  auto* panel = new QWidget(this);
  drivePanel_ = new QWidget(panel);
  drivePanel_->setFixedWidth(kDrivePanelWidth);
  pckStatDrive = new DriveCheckList(drivePanel_);
  pckStatDrive->setObjectName(QStringLiteral("pckStatDrive"));
  auto* drivesCaption = new QLabel(QStringLiteral("&Drives:"), drivePanel_);
  drivesCaption->setBuddy(pckStatDrive);
  cbTotal = new QCheckBox(QStringLiteral("Show Cumulative &Total"), drivePanel_);
  cbTotal->setChecked(true);
  connect(pckStatDrive, &DriveCheckList::ticksChanged, this, &SpacePage::doDiskSize);
  connect(cbTotal, &QCheckBox::clicked, this, &SpacePage::doDiskSize);
  auto* drives = new QVBoxLayout(drivePanel_);
  drives->setContentsMargins(0, 0, 0, 0);
  drives->addWidget(drivesCaption);
  drives->addWidget(pckStatDrive, 1);
  drives->addWidget(cbTotal);

  chartBars = new StatChartView(panel);
  auto* layout = new QHBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(drivePanel_);
  layout->addWidget(chartBars, 1);
  return panel;
}

QWidget* SpacePage::piePanel() {
  pieArea_ = new QWidget(this);
  auto* grid = new QGridLayout;
  grid->setSpacing(0);
  size_t next = 0;
  for (int row = 0; row < int(std::size(kPiesPerRow)); ++row) {
    for (int column = 0; column < kPiesPerRow[row]; ++column) {
      auto* pie = new StatChartView(pieArea_);
      pie->setObjectName(QStringLiteral("pie%1").arg(next + 1));
      // Each pie keeps its place in the rows whether it is shown or not.
      QSizePolicy place = pie->sizePolicy();
      place.setRetainSizeWhenHidden(true);
      pie->setSizePolicy(place);
      pie->hide();
      connect(pie, &StatChartView::clicked, this, &SpacePage::togglePieAnimation);
      grid->addWidget(pie, row, column);
      pies[next++] = pie;
    }
  }
  pieTotal = new StatChartView(pieArea_);
  pieTotal->hide();
  connect(pieTotal, &StatChartView::clicked, this, &SpacePage::togglePieAnimation);
  ScrollBar1 = new QScrollBar(Qt::Horizontal, pieArea_);
  ScrollBar1->setRange(0, kFullTurn);
  ScrollBar1->setPageStep(kAngleLargeStep);
  ScrollBar1->setToolTip(QStringLiteral("Turn the pies"));
  ScrollBar1->hide();
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &SpacePage::scrollBar1Change);

  auto* legend = new QHBoxLayout;
  legend->addStretch();
  legend->addWidget(legendSquare(kFuchsia, pieArea_));
  legend->addWidget(new QLabel(QStringLiteral("Free"), pieArea_));
  legend->addWidget(legendSquare(kBlue, pieArea_));
  legend->addWidget(new QLabel(QStringLiteral("Used"), pieArea_));
  legend->addStretch();
  auto* total = new QVBoxLayout;
  total->addWidget(pieTotal, 1);
  total->addLayout(legend);
  auto* pies = new QHBoxLayout;
  pies->addLayout(grid, kDrivePiesShare);
  pies->addLayout(total, kTotalPieShare);
  auto* layout = new QVBoxLayout(pieArea_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(pies, 1);
  layout->addWidget(ScrollBar1);
  return pieArea_;
}

QWidget* SpacePage::figures() {
  auto* panel = new QWidget(this);
  const auto caption = [this, panel](const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), panel);
    figureCaptions_.append(label);
    return label;
  };
  const auto figure = [panel](const char* name) {
    auto* label = new QLabel(panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
  };
  lblTotal = figure("lblTotal");
  lblTot = figure("lblTot");
  lblFree = figure("lblFree");
  lblPct = figure("lblPct");
  lblUsed = figure("lblUsed");
  lblPct2 = figure("lblPct2");
  QWidget* freeSquare = legendSquare(kFuchsia, panel);
  QWidget* usedSquare = legendSquare(kBlue, panel);
  figureCaptions_ << freeSquare << usedSquare;
  auto* layout = new QHBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(caption("Total Capacity:"));
  layout->addWidget(lblTotal);
  layout->addWidget(lblTot);
  layout->addStretch();
  layout->addWidget(freeSquare);
  layout->addWidget(caption("Free Space:"));
  layout->addWidget(lblFree);
  layout->addWidget(lblPct);
  layout->addStretch();
  layout->addWidget(usedSquare);
  layout->addWidget(caption("Used Space:"));
  layout->addWidget(lblUsed);
  layout->addWidget(lblPct2);
  return panel;
}

void SpacePage::fillDrives() { fillDriveList(*pckStatDrive, DriveListUse::Statistics, false); }

bool SpacePage::pieView() const { return rgSpace1->isChecked(); }

void SpacePage::enterPage() {
  chartBars->setDepthPercent(kFlatDepth);
  doDiskSize();
  Timer2.start();
}

void SpacePage::setFiguresShown(bool shown) {
  chartBars->setVisible(shown);
  for (QWidget* caption : figureCaptions_) caption->setVisible(shown);
}

void SpacePage::doDiskSize() {
  if (refreshing_) return;
  refreshing_ = true;
  shown_ = diskSizeView(pckStatDrive->items(), cbTotal->isChecked());
  showSpaceBars(*chartBars, shown_);
  const QString unit = shown_.chartShown ? shown_.unit : QString();
  lblTotal->setText(shown_.total);
  lblFree->setText(shown_.free);
  lblUsed->setText(shown_.used);
  lblTot->setText(unit);
  lblPct->setText(shown_.chartShown ? unit + u' ' : QString());
  lblPct2->setText(lblPct->text());
  const QColor freeColour = shown_.lowSpace ? Qt::red : palette().color(QPalette::WindowText);
  for (QLabel* label : {lblFree, lblPct}) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, freeColour);
    label->setPalette(colours);
  }
  setFiguresShown(shown_.chartShown);
  rgSpaceClick();
  refreshing_ = false;
}

void SpacePage::rgSpaceClick() {
  if (pieView()) {
    drivePanel_->hide();
    doPieCharts();
    views_->setCurrentWidget(pieArea_);
    Timer1.start();
  } else if (shown_.drivesShown != 0) {
    drivePanel_->show();
    views_->setCurrentIndex(0);
    chartBars->setDepthPercent(kFlatDepth);
    Timer2.start();
  }
}

void SpacePage::drawPie(StatChartView& pie, const SpacePie& values) {
  showPie(pie, values.title, {{QString(), values.used, kBlue}, {QString(), values.free, kFuchsia}}, {});
  pie.show();
}

void SpacePage::doPieCharts() {
  const SpacePies values = diskSizePies(pckStatDrive->items());
  for (size_t i = 0; i < values.drives.size(); ++i) drawPie(*pies[i], values.drives[i]);
  drawPie(*pieTotal, values.total);
  angles_.drives.resize(values.drives.size());
  applyAngles();
}

void SpacePage::applyAngles() {
  for (size_t i = 0; i < angles_.drives.size(); ++i) turnPie(*pies[i], angles_.drives[i]);
  turnPie(*pieTotal, angles_.total);
}

void SpacePage::Timer1Timer() {
  if (spinning_ || !pieView() || !isVisible()) return;
  spinning_ = true;
  const std::optional<int> position = spinPies(angles_, pckStatDrive->count());
  applyAngles();
  ScrollBar1->setVisible(!position);
  if (position) ScrollBar1->setValue(*position);
  spinning_ = false;
}

void SpacePage::scrollBar1Change(int position) {
  for (int& angle : angles_.drives) angle = position;
  angles_.total = position;
  applyAngles();
}

void SpacePage::Timer2Timer() {
  if (!isVisible()) {
    Timer2.stop();
    return;
  }
  const DepthAnimation animation = depthAnimation(shown_.drivesShown);
  if (chartBars->depthPercent() < animation.limit) {
    chartBars->setDepthPercent(chartBars->depthPercent() + animation.step);
  } else {
    Timer2.stop();
  }
}

void SpacePage::togglePieAnimation() {
  if (Timer1.isActive()) {
    Timer1.stop();
  } else {
    Timer1.start();
  }
}

void SpacePage::setViewControlsEnabled(bool enabled) {
  for (QWidget* control : std::initializer_list<QWidget*>{rgSpace1, rgSpace2, pckStatDrive, cbTotal})
    control->setEnabled(enabled);
}

}  // namespace tessaly
