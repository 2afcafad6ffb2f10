#include <gtest/gtest.h>

#include <QBarSet>
#include <QCategoryAxis>
#include <QCheckBox>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPieSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <QTabWidget>

#include "stats_window_fixture.h"
#include "ui/grid/grid_model.h"
#include "ui/scan/drive_check_list.h"
#include "ui/stats/attribute_page.h"
#include "ui/stats/listing_chart_page.h"
#include "ui/stats/space_page.h"
#include "ui/stats/stat_chart_view.h"
#include "ui/stats/time_page.h"
#include "ui/stats/types_page.h"

namespace tessaly {
namespace {

using testkit::StatsWindowTest;

template <typename Series>
Series* onlySeries(const StatChartView& view) {
  const QList<QAbstractSeries*> series = view.chart()->series();
  return series.size() == 1 ? qobject_cast<Series*>(series.front()) : nullptr;
}

// The labels under the bars of the Space page.
QStringList categories(const StatChartView& view) {
  const QList<QAbstractAxis*> axes = view.chart()->axes(Qt::Horizontal);
  auto* labels = axes.isEmpty() ? nullptr : qobject_cast<QCategoryAxis*>(axes.front());
  return labels ? labels->categoriesLabels() : QStringList();
}

class SpacePageTest : public StatsWindowTest {
 protected:
  SpacePage& space() { return *window.spacePage; }
  // The drive list holds these mount points, each ticked as asked.
  void listDrives(const QList<std::pair<QString, bool>>& mountPoints) {
    QList<DriveListItem> items;
    for (const auto& [mountPoint, ticked] : mountPoints) {
      DriveListItem item;
      item.text = mountPoint + u' ';
      item.path = mountPoint;
      item.ticked = ticked;
      items.append(item);
    }
    space().pckStatDrive->setItems(items);
    space().doDiskSize();
  }
};

TEST_F(SpacePageTest, OneDriveHasNoTotalBarAndTwoDrivesHaveOne) {
  drives.add(QStringLiteral("/data"), platform::DriveKind::Fixed, {}, 1e9, 3e9);
  window.show();
  listDrives({{QStringLiteral("/"), true}, {QStringLiteral("/data"), false}});
  EXPECT_EQ(categories(*space().chartBars), QStringList{"/"});
  listDrives({{QStringLiteral("/"), true}, {QStringLiteral("/data"), true}});
  EXPECT_EQ(categories(*space().chartBars), (QStringList{"/", "/data", "Total"}));
  auto* bars = onlySeries<QStackedBarSeries>(*space().chartBars);
  ASSERT_NE(bars, nullptr);
  ASSERT_EQ(bars->barSets().size(), 2);
  EXPECT_EQ(bars->barSets()[0]->color(), QColor(0, 0, 255));    // used, below
  EXPECT_EQ(bars->barSets()[1]->color(), QColor(255, 0, 255));  // free, on top
  space().cbTotal->click();
  EXPECT_EQ(categories(*space().chartBars), (QStringList{"/", "/data"}));
}

TEST_F(SpacePageTest, ASmallDriveAloneShowsKilobytesAndBesideABigOneMegabytes) {
  drives.add(QStringLiteral("/small"), platform::DriveKind::Fixed, {}, 1000 * 1024.0, 9000 * 1024.0);
  drives.add(QStringLiteral("/big"), platform::DriveKind::Fixed, {}, 1024.0 * 1024 * 1024, 2048.0 * 1024 * 1024);
  window.show();
  listDrives({{QStringLiteral("/small"), true}, {QStringLiteral("/big"), false}});
  EXPECT_EQ(space().lblTotal->text(), QStringLiteral("9,000"));
  EXPECT_EQ(space().lblTot->text(), QStringLiteral("KB"));
  EXPECT_EQ(space().lblFree->text(), QStringLiteral("1,000"));
  EXPECT_EQ(space().lblPct->text(), QStringLiteral("KB "));
  EXPECT_EQ(space().lblUsed->text(), QStringLiteral("8,000"));
  const std::vector<BarMark>& marks = space().chartBars->overlay().marks;
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[0].text, QStringLiteral("8,000 KB"));

  listDrives({{QStringLiteral("/small"), true}, {QStringLiteral("/big"), true}});
  EXPECT_EQ(space().lblTot->text(), QStringLiteral("MB"));
  EXPECT_EQ(space().lblTotal->text(), QStringLiteral("2,056"));
  EXPECT_EQ(space().chartBars->overlay().marks[0].text, QStringLiteral("8 MB"));
}

TEST_F(SpacePageTest, LowFreeSpaceIsRedAndNoReadyDriveHidesTheChart) {
  drives.add(QStringLiteral("/full"), platform::DriveKind::Fixed, {}, 1e9, 100e9);
  drives.add(QStringLiteral("/gone"), platform::DriveKind::Fixed, {}, 1e9, 100e9);
  drives.setReady(QStringLiteral("/gone"), false);
  window.show();
  listDrives({{QStringLiteral("/full"), true}});
  EXPECT_EQ(space().lblFree->palette().color(QPalette::WindowText), QColor(Qt::red));
  listDrives({{QStringLiteral("/"), true}});
  EXPECT_NE(space().lblFree->palette().color(QPalette::WindowText), QColor(Qt::red));
  listDrives({{QStringLiteral("/gone"), true}});
  EXPECT_FALSE(space().chartBars->isVisible());
  EXPECT_TRUE(space().lblTotal->text().isEmpty());
}

TEST_F(SpacePageTest, TwelveReadyDrivesGetElevenPiesThatTurnOnlyTheTotalOne) {
  QList<std::pair<QString, bool>> list;
  for (int i = 1; i <= 12; ++i) {
    const QString mountPoint = QStringLiteral("/d%1").arg(i, 2, 10, QLatin1Char('0'));
    drives.add(mountPoint, platform::DriveKind::Fixed, {}, 1e9 * i, 100e9);
    list.append({mountPoint, i == 1});
  }
  window.show();
  listDrives(list);
  space().rgSpace1->click();
  for (size_t i = 0; i < space().pies.size(); ++i) {
    ASSERT_TRUE(space().pies[i]->isVisible()) << i;
    auto* pie = onlySeries<QPieSeries>(*space().pies[i]);
    ASSERT_NE(pie, nullptr);
    ASSERT_EQ(pie->slices().size(), 2);
    EXPECT_EQ(pie->slices()[0]->color(), QColor(0, 0, 255));
    EXPECT_EQ(pie->slices()[1]->color(), QColor(255, 0, 255));
  }
  EXPECT_EQ(space().pies[10]->chart()->title(), QStringLiteral("/d11  11.0% free"));
  EXPECT_EQ(space().pieTotal->chart()->title(), QStringLiteral("TOTAL 6.0% free"));  // 66 of 1,100 GB
  const PieAngles before = space().pieAngles();
  space().Timer1Timer();
  EXPECT_EQ(space().pieAngles().drives, before.drives);
  EXPECT_EQ(space().pieAngles().total, before.total + 2);
  EXPECT_TRUE(space().ScrollBar1->isVisible());
}

TEST_F(SpacePageTest, WithFewDrivesEveryPieTurnsTogetherAndAClickStopsThem) {
  drives.add(QStringLiteral("/data"), platform::DriveKind::Fixed, {}, 1e9, 3e9);
  drives.add(QStringLiteral("/zero"), platform::DriveKind::RamDisk, {}, 0, 0);
  window.show();
  listDrives({{QStringLiteral("/"), true}, {QStringLiteral("/data"), false}, {QStringLiteral("/zero"), false}});
  space().rgSpace1->click();
  EXPECT_EQ(space().pies[2]->chart()->title(), QStringLiteral("/zero  0.0% free"));
  EXPECT_TRUE(space().Timer1.isActive());
  space().Timer1Timer();
  space().Timer1Timer();
  EXPECT_EQ(space().pieAngles().drives, (std::vector<int>{8, 8, 8}));
  EXPECT_EQ(space().pieAngles().total, 8);
  EXPECT_EQ(space().ScrollBar1->value(), 8);
  EXPECT_FALSE(space().ScrollBar1->isVisible());
  Q_EMIT space().pies[0]->clicked();
  EXPECT_FALSE(space().Timer1.isActive());
}

TEST_F(SpacePageTest, TheBarsGrowDeeperUntilTheLimitForTheirNumber) {
  window.show();
  listDrives({{QStringLiteral("/"), true}});
  EXPECT_EQ(space().chartBars->depthPercent(), 1);
  EXPECT_TRUE(space().Timer2.isActive());
  for (int tick = 0; tick < 20; ++tick) space().Timer2Timer();
  EXPECT_EQ(space().chartBars->depthPercent(), 61);
  EXPECT_FALSE(space().Timer2.isActive());
}

TEST_F(StatsWindowTest, TheTypesPieShowsTheTwelveLargestExtensionsWithTheirShares) {
  for (int i = 1; i <= 13; ++i) tree.file(QStringLiteral("f.e%1").arg(i, 2, 10, QLatin1Char('0')), 1000 * i, 'x');
  collect({root(QString(), QStringLiteral("tree"))});
  auto* pie = onlySeries<QPieSeries>(*window.typesPage->chartPie);
  ASSERT_NE(pie, nullptr);
  EXPECT_LE(pie->count(), 12);
  EXPECT_DOUBLE_EQ(pie->sum(), 90000);  // 2 ... 13 thousand, and no totals row
  EXPECT_EQ(pie->slices().back()->label(), QStringLiteral("E13 File 14.4 %"));
  EXPECT_TRUE(pie->slices().back()->isExploded());
  EXPECT_EQ(pie->slices().front()->label(), QStringLiteral("E05 File 5.6 %"));
  EXPECT_EQ(pie->slices()[1]->label(), QStringLiteral("E06 File 6.7 %"));
  EXPECT_EQ(pie->slices()[5]->label(), QStringLiteral("Other 10 %"));  // 2 + 3 + 4 thousand, after .E09's 9
  EXPECT_FALSE(window.typesPage->btSort->isVisible());

  // A click on the pie turns it, a second click stops it.
  Q_EMIT window.typesPage->chartPie->clicked();
  EXPECT_TRUE(window.typesPage->spinning());
  Q_EMIT window.typesPage->chartPie->clicked();
  EXPECT_FALSE(window.typesPage->spinning());

  window.typesPage->rgTypes[0]->click();
  window.show();
  showPage(kTypesPage);
  EXPECT_TRUE(window.typesPage->btSort->isVisible());
  window.typesPage->sortItems[size_t(TypeSort::Files)]->trigger();
  EXPECT_TRUE(window.typesPage->sortItems[size_t(TypeSort::Files)]->isChecked());
  EXPECT_FALSE(window.typesPage->sortItems[size_t(TypeSort::Extension)]->isChecked());
  EXPECT_EQ(window.typesPage->table().rows.back().cells.value(1), QStringLiteral("Totals"));
}

TEST_F(StatsWindowTest, DateChartsDrawTheirTenBarsInThePaletteAfterTheListing) {
  tree.file(QStringLiteral("a"), 10, 'a');
  collect({root(QString(), QStringLiteral("tree"))});
  ListingChartPage& access = *window.accessPage;
  access.rbListing->click();
  EXPECT_TRUE(access.listingShown());
  EXPECT_EQ(access.model->table().headings.value(0), QStringLiteral("Accessed Date"));
  access.rbByCount->click();
  EXPECT_EQ(access.chart->chart()->title(), QStringLiteral("Access Date (Number of files)"));
  std::vector<QColor> colours;
  for (QAbstractSeries* series : access.chart->chart()->series()) {
    for (QBarSet* set : qobject_cast<QAbstractBarSeries*>(series)->barSets()) colours.push_back(set->color());
  }
  const std::vector<QColor> palette{QColor(255, 0, 0),   QColor(128, 0, 0),   QColor(0, 0, 255),   QColor(255, 255, 0),
                                    QColor(0, 128, 0),   QColor(0, 255, 0),   QColor(255, 0, 255), QColor(0, 128, 128),
                                    QColor(0, 0, 128),   QColor(0, 255, 255)};
  EXPECT_EQ(colours, palette);
  // A mark beside each bar that has a length: the one file, accessed today.
  ASSERT_EQ(access.chart->overlay().marks.size(), 1u);
  EXPECT_EQ(access.chart->overlay().marks[0].text, QStringLiteral("100 %"));
  EXPECT_EQ(access.chart->overlay().marks[0].at, QPointF(1, 1));
}

TEST_F(StatsWindowTest, TwoRunsLeaveFourBarsInEachAttributeChartWithTheSecondRunsShares) {
  tree.file(QStringLiteral("one/.hidden"), 100, 'h');
  tree.file(QStringLiteral("one/plain"), 300, 'p');
  tree.file(QStringLiteral("two/.a"), 100, 'a');
  tree.file(QStringLiteral("two/.b"), 100, 'b');
  collect({root(QStringLiteral("one"), QStringLiteral("one"))});
  collect({root(QStringLiteral("two"), QStringLiteral("two"))});
  for (StatChartView* chart : {window.attributePage->chartFiles, window.attributePage->chartSize}) {
    auto* bars = onlySeries<QHorizontalBarSeries>(*chart);
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->barSets().size(), 1);
    ASSERT_EQ(bars->barSets()[0]->count(), 4);
    EXPECT_DOUBLE_EQ(bars->barSets()[0]->at(3), 100);  // hidden, the top bar: both files of the second run
    EXPECT_DOUBLE_EQ(bars->barSets()[0]->at(0), 0);
  }
  EXPECT_EQ(window.attributePage->counts[0]->text(), QStringLiteral("2"));
  EXPECT_EQ(window.attributePage->sizes[0]->text(), QStringLiteral("200"));
  EXPECT_EQ(window.attributePage->chartFiles->overlay().marks[3].text, QStringLiteral("100 %"));
}

TEST_F(StatsWindowTest, NoAccessAfterHalfPastMidnightHidesTheAccessTimeLine) {
  const QDate day = QDate::currentDate().addDays(-3);
  const auto at = [&day](int hour, int minute) { return QDateTime(day, QTime(hour, minute)).toSecsSinceEpoch(); };
  tree.file(QStringLiteral("early"), 10, 'e');
  tree.setTimes(QStringLiteral("early"), at(0, 10), at(14, 45));
  collect({root(QString(), QStringLiteral("tree"))});
  const QList<QAbstractSeries*> lines = window.timePage->Chart4->chart()->series();
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0]->name(), QStringLiteral("Access Time"));
  EXPECT_FALSE(lines[0]->isVisible());
  EXPECT_FALSE(window.timePage->Chart4->chart()->legend()->markers(lines[0]).front()->isVisible());
  auto* modified = qobject_cast<QLineSeries*>(lines[2]);
  ASSERT_NE(modified, nullptr);
  EXPECT_EQ(modified->count(), 48);
  EXPECT_DOUBLE_EQ(modified->at(29).y(), 1);  // 14:30 - 14:59

  tree.setTimes(QStringLiteral("early"), at(0, 40), at(14, 45));
  collect({root(QString(), QStringLiteral("tree"))});
  EXPECT_TRUE(window.timePage->Chart4->chart()->series()[0]->isVisible());
}

}  // namespace
}  // namespace tessaly
