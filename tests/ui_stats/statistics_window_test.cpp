#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "core/common/date_texts.h"
#include "core/common/removal_totals.h"
#include "core/common/settings_store.h"
#include "core/grid/result_table.h"
#include "stats_window_fixture.h"
#include "ui/grid/grid_model.h"
#include "ui/main/main_window.h"
#include "ui/stats/deleted_page.h"
#include "ui/stats/not_yet_panel.h"
#include "ui/stats/overhang_page.h"
#include "ui/stats/shadow_label.h"
#include "ui/stats/types_page.h"

namespace tessaly {
namespace {

using testkit::StatsWindowTest;

// Closes a window as the walk meets its first entry.
struct CloseAtFirstEntry final : WalkPacer {
  explicit CloseAtFirstEntry(QWidget& target) : target(target) {}
  void pump() override {
    if (++pumps == 1) target.close();
  }
  QWidget& target;
  int pumps = 0;
};

QStringList column(const GridModel& model, int column) {
  QStringList cells;
  for (const ResultRow& row : model.table().rows) cells.append(row.cells.value(column));
  return cells;
}

TEST_F(StatsWindowTest, BeforeAnyRunTheSpacePageShowsAndThePagesOfARunAreCovered) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("File Statistics Not Yet Collected"));
  EXPECT_EQ(window.size(), QSize(630, 434));
  QStringList tabs;
  for (int i = 0; i < window.OvcNotebook1->count(); ++i) tabs.append(window.OvcNotebook1->tabText(i));
  EXPECT_EQ(tabs, (QStringList{"Space", "Deleted", "Types", "Sizes", "Overhang", "Access", "Created", "Modified",
                               "Combined", "Attribute", "Time"}));
  window.show();
  EXPECT_EQ(window.OvcNotebook1->currentIndex(), kSpacePage);
  EXPECT_FALSE(window.pnlNotYet->isVisible());
  EXPECT_FALSE(window.isModal());
  for (int page : {kTypesPage, kTimePage}) {
    showPage(page);
    EXPECT_EQ(window.OvcNotebook1->tabBar()->tabTextColor(page), QColor(255, 0, 0));
    EXPECT_NE(window.OvcNotebook1->tabBar()->tabTextColor(kSpacePage), QColor(255, 0, 0));
    EXPECT_TRUE(window.pnlNotYet->isVisible());
    EXPECT_EQ(window.pnlNotYet->lblNotYet->text(), QStringLiteral("Statistics haven't been collected yet!"));
    EXPECT_FALSE(window.pnlNotYet->btAbort->isVisible());
  }
  showPage(kDeletedPage);
  EXPECT_FALSE(window.pnlNotYet->isVisible());
}

TEST_F(StatsWindowTest, ARunOverOneFolderFillsThePagesAndTheCaption) {
  tree.file(QStringLiteral("a.doc"), 4097, 'a');
  tree.file(QStringLiteral("sub/b.doc"), 10, 'b');
  tree.file(QStringLiteral("sub/c.txt"), 20000, 'c');
  tree.file(QStringLiteral("README"), 5, 'r');
  tree.file(QStringLiteral(".hidden"), 3, 'h');
  window.show();
  showPage(kTypesPage);
  collect({root(QString(), QStringLiteral("/tmp/tree "))});

  EXPECT_EQ(dialogs.texts(MessageStyle::Information),
            QStringList{"Disk Drive /tmp/tree  will be scanned.  The analysis may take some time.  You may quit at any "
                        "time by clicking Abort or pressing ESC."});
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Stats done for /tmp/tree  "));
  EXPECT_EQ(window.StatusBar1->text(), QStringLiteral("Finished - 5 files processed"));
  EXPECT_TRUE(window.statsCollected());
  EXPECT_FALSE(window.collecting());
  EXPECT_FALSE(window.pnlNotYet->isVisible());
  EXPECT_TRUE(window.btOK->isEnabled());
  // Sorted by extension after the run, whatever the pie's order was.
  // ".hidden" is a name without an extension short enough for a line.
  EXPECT_EQ(column(*window.typesPage->model, 0), (QStringList{"", ".DOC", ".TXT", ""}));
  EXPECT_EQ(window.typesPage->model->table().rows.back().cells.value(3), QStringLiteral("4"));

  EXPECT_TRUE(window.OvcNotebook1->isTabEnabled(kOverhangPage));
  EXPECT_TRUE(window.overhangPage->arrowShown());
  EXPECT_FALSE(window.overhangPage->pnlCluster->isVisibleTo(window.overhangPage));
  EXPECT_EQ(window.overhangPage->lblNumFiles->text(), QStringLiteral("Number of files scanned: 5"));
  EXPECT_EQ(window.overhangPage->lblOver[0]->text(), QStringLiteral("16,845"));  // 4,095 + 4,086 + 480 + 4,091 + 4,093
}

TEST_F(StatsWindowTest, ADriveWithAClusterSizeOutsideTheTableCoversTheOverhangPage) {
  // The tree's drive allocates in 1 KB blocks, which none of the five rows shows.
  drives.add(QFileInfo(tree.root()).path(), platform::DriveKind::Fixed, {}, 1e9, 4e9, 1024);
  tree.file(QStringLiteral("a"), 100, 'a');
  window.show();
  collect({root(QString(), QStringLiteral("tree"))});
  showPage(kOverhangPage);
  EXPECT_TRUE(window.OvcNotebook1->isTabEnabled(kOverhangPage));
  EXPECT_FALSE(window.overhangPage->arrowShown());
  EXPECT_TRUE(window.overhangPage->pnlCluster->isVisible());
  EXPECT_EQ(window.overhangPage->pnlCluster->text(),
            QStringLiteral("Cluster overhang analysis is not applicable to this drive."));
  // The figures under it are computed all the same; the label keeps its first text.
  EXPECT_EQ(window.overhangPage->lblNumFiles->text(), QStringLiteral("Number of files scanned: 1"));
  EXPECT_EQ(window.overhangPage->lblLbl->text(), QStringLiteral("Actual space used:"));
}

TEST_F(StatsWindowTest, TwoEntriesDisableTheOverhangPageAndAddUp) {
  tree.file(QStringLiteral("one/a"), 100, 'a');
  tree.file(QStringLiteral("two/b"), 200, 'b');
  tree.file(QStringLiteral("two/c"), 300, 'c');
  collect({root(QStringLiteral("one"), QStringLiteral("one")), root(QStringLiteral("two"), QStringLiteral("two"))});
  EXPECT_EQ(dialogs.texts(MessageStyle::Information).value(0),
            QStringLiteral("Since you selected more than one drive to analyze, the Cluster Overhang tab will be "
                           "disabled.  You may quit the analysis at any time by clicking CANCEL or by pressing ESC."));
  EXPECT_FALSE(window.OvcNotebook1->isTabEnabled(kOverhangPage));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Stats done for one two "));
  EXPECT_EQ(window.StatusBar1->text(), QStringLiteral("Finished - 3 files processed"));
}

TEST_F(StatsWindowTest, ACancelledPickerOrDrivesWithoutCapacityLeaveThePreviousResults) {
  tree.file(QStringLiteral("a"), 1, 'a');
  collect({root(QString(), QStringLiteral("first"))});
  const QString caption = window.windowTitle();
  dialogs.clear();

  choice.reset();
  window.btOKClick();
  EXPECT_TRUE(dialogs.shown().isEmpty());
  collect({});
  EXPECT_TRUE(dialogs.shown().isEmpty());

  drives.add(QStringLiteral("/empty"), platform::DriveKind::Fixed, {}, 0, 0);
  collect({{QStringLiteral("/empty"), QStringLiteral("/empty ")}});
  EXPECT_EQ(dialogs.texts(MessageStyle::Error),
            QStringList{"Could not compute the total size of the disk drives selected.  Cannot proceed with statistics."});
  EXPECT_EQ(window.windowTitle(), caption);
  EXPECT_EQ(window.lastRun()->record().filesProcessed, 1);
}

TEST_F(StatsWindowTest, EscapeDuringAWalkAbortsItAndTheWindowStaysWithItsControlsBack) {
  for (int i = 0; i < 20; ++i) tree.file(QStringLiteral("one/f%1").arg(i), 10, 'f');
  tree.file(QStringLiteral("two/g"), 10, 'g');
  window.show();
  showPage(kSizesPage);
  struct Watch final : WalkPacer {
    explicit Watch(TfrmStatistics& window) : window(window) {}
    void pump() override {
      if (++pumps != 2) return;
      disabledDuringWalk = !window.btOK->isEnabled() && !window.btPrint->isEnabled() &&
                           !window.deletedPage->Button1->isEnabled() && !window.typesPage->rgTypes[0]->isEnabled();
      abortShown = window.pnlNotYet->btAbort->isVisible() && window.btCancel->isEnabled();
      panelText = window.pnlNotYet->lblNotYet->text();
      QTest::keyClick(&window, Qt::Key_Escape);
    }
    TfrmStatistics& window;
    int pumps = 0;
    bool disabledDuringWalk = false;
    bool abortShown = false;
    QString panelText;
  } watch(window);
  window.setWalkPacer(&watch);
  collect({root(QStringLiteral("one"), QStringLiteral("one")), root(QStringLiteral("two"), QStringLiteral("two"))});

  EXPECT_TRUE(watch.disabledDuringWalk);
  EXPECT_TRUE(watch.abortShown);
  EXPECT_EQ(watch.panelText, QStringLiteral("Collecting statistics ... standby.  Press Esc or click Abort to stop."));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Statistics for drive(s) incomplete ... aborted."));
  EXPECT_TRUE(window.StatusBar1->text().endsWith(QStringLiteral(" INCOMPLETE ... ABORTED")));
  EXPECT_LT(window.lastRun()->record().filesProcessed, 21);
  EXPECT_TRUE(window.btOK->isEnabled());
  EXPECT_TRUE(window.btPrint->isEnabled());
  EXPECT_FALSE(window.pnlNotYet->btAbort->isVisible());
}

TEST_F(StatsWindowTest, TheCloseBoxDuringAWalkAbortsAndCloseAfterwardsHidesKeepingTheResults) {
  for (int i = 0; i < 5; ++i) tree.file(QStringLiteral("f%1").arg(i), 10, 'f');
  window.show();
  CloseAtFirstEntry closeBox(window);
  window.setWalkPacer(&closeBox);
  collect({root(QString(), QStringLiteral("tree"))});
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.lastRun()->scanAborted());

  window.setWalkPacer(nullptr);
  collect({root(QString(), QStringLiteral("tree"))});
  ASSERT_EQ(window.lastRun()->record().filesProcessed, 5);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  window.showStatistics();
  showPage(kTypesPage);
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.pnlNotYet->isVisible());
  EXPECT_EQ(window.typesPage->model->table().rows.back().cells.value(3), QStringLiteral("5"));
}

TEST_F(StatsWindowTest, AWalkStopsWhenTheMainWindowCloses) {
  for (int i = 0; i < 5; ++i) tree.file(QStringLiteral("f%1").arg(i), 10, 'f');
  QWidget main;
  TfrmStatistics owned(&main, [this](QWidget*) { return choice; });
  CloseAtFirstEntry closeMain(main);
  owned.setWalkPacer(&closeMain);
  choice = StatisticsChoice{{root(QString(), QStringLiteral("tree"))}, TypeFilter()};
  owned.btOKClick();
  ASSERT_NE(owned.lastRun(), nullptr);
  EXPECT_TRUE(owned.lastRun()->scanAborted());
  EXPECT_LT(owned.lastRun()->record().filesProcessed, 5);
}

class DeletedPageTest : public StatsWindowTest {
 protected:
  QStringList boxes() const {
    const DeletedPage& page = *window.deletedPage;
    return {page.edNdelete->text(), page.edSzDelete->text(), page.edNZip->text(),
            page.edSzZip->text(),   page.edNWaste->text(),   page.edSzWaste->text()};
  }
  const QStringList notAvailable{"n/a", "n/a", "n/a", "n/a", "n/a", "n/a"};
};

TEST_F(DeletedPageTest, AFreshStoreShowsNotAvailableAndNoStartDates) {
  window.show();
  showPage(kDeletedPage);
  EXPECT_EQ(boxes(), notAvailable);
  EXPECT_TRUE(window.deletedPage->lblSince1->text().isEmpty());
  EXPECT_TRUE(window.deletedPage->lblZipSince->text().isEmpty());
}

TEST_F(DeletedPageTest, ThePageIsReadAfreshEachTimeItIsShownAndTheCountDecides) {
  window.show();
  showPage(kDeletedPage);
  const IniView store = programSettings();
  store.writeInteger(QStringLiteral("Tessaly"), QStringLiteral("Ndelete"), 0);
  store.writeInteger(QStringLiteral("Tessaly"), QStringLiteral("SizeDelete"), 5000);
  recordArchived(2, 2048, QDate(2024, 5, 20));
  recordDeletions(RemovalKind::Trashed, 3, 300, QDate(2024, 3, 1));
  EXPECT_EQ(boxes(), notAvailable);  // not refreshed while it stays on screen
  showPage(kSpacePage);
  showPage(kDeletedPage);
  EXPECT_EQ(boxes(), (QStringList{"n/a", "n/a", "2 files", "2,048 bytes", "3 files", "300 bytes"}));
  EXPECT_EQ(window.deletedPage->lblZipSince->text(), QStringLiteral("Since ") + shortDateText(QDate(2024, 5, 20)));
  EXPECT_EQ(window.deletedPage->lblSince1->text(), QStringLiteral("Since ") + shortDateText(QDate(2024, 3, 1)));
}

TEST_F(DeletedPageTest, ResetAsksFirstAndThenSetsEveryTotalToNotRecorded) {
  recordDeletions(RemovalKind::Deleted, 3, 300, QDate(2024, 3, 1));
  window.show();
  showPage(kDeletedPage);
  dialogs.answer(Answer::No);
  window.deletedPage->Button1->click();
  EXPECT_EQ(dialogs.texts(), QStringList{"Reset cumulative totals?"});
  EXPECT_EQ(window.deletedPage->edNdelete->text(), QStringLiteral("3 files"));
  dialogs.answer(Answer::Yes);
  window.deletedPage->Button1->click();
  EXPECT_EQ(boxes(), notAvailable);
  EXPECT_TRUE(window.deletedPage->lblSince1->text().isEmpty());
  for (const char* key : {"Ndelete", "SizeDelete", "NWaste", "SizeWaste", "DelDate", "NZip", "SizeZip", "ZipDate"})
    EXPECT_EQ(programSettings().readInteger(QStringLiteral("Tessaly"), QString::fromLatin1(key), 0), -1) << key;
}

TEST(StatisticsInTheMainWindow, TheWindowIsMadeAtStartAndTheButtonShowsItWithoutBlocking) {
  testkit::TempXdg xdg;
  testkit::ScriptedDialogs dialogs;
  TfrmMain main;
  auto* statistics = main.findChild<TfrmStatistics*>(QStringLiteral("frmStatistics"));
  ASSERT_NE(statistics, nullptr);
  EXPECT_FALSE(statistics->isVisible());
  main.show();
  main.findChild<QPushButton*>(QStringLiteral("btStatistic"))->click();
  EXPECT_TRUE(statistics->isVisible());
  EXPECT_FALSE(statistics->isModal());
  EXPECT_EQ(&statisticsWindow(&main), statistics);
  statistics->btCancel->click();
  EXPECT_FALSE(statistics->isVisible());
  EXPECT_EQ(main.findChildren<TfrmStatistics*>().size(), 1);
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

}  // namespace
}  // namespace tessaly
