#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "stats_window_fixture.h"
#include "support/keyboard_checks.h"
#include "ui/common/help_topic.h"
#include "ui/stats/chart_preview_window.h"
#include "ui/stats/listing_chart_page.h"
#include "ui/stats/not_yet_panel.h"
#include "ui/stats/types_page.h"

namespace tessaly {
namespace {

using testkit::StatsWindowTest;

TEST_F(StatsWindowTest, EveryPageIsWorkedWithTheKeyboardAndSpeaksTheHostsWords) {
  tree.file(QStringLiteral("a.doc"), 5000, 'a');
  collect({root(QString(), QStringLiteral("tree"))});
  window.show();
  EXPECT_EQ(helpTopicOf(&window), QStringLiteral("statistics.html"));
  for (int page = 0; page < window.OvcNotebook1->count(); ++page) {
    SCOPED_TRACE(window.OvcNotebook1->tabText(page).toStdString());
    showPage(page);
    testkit::expectKeyboardComplete(&window);
  }
  window.typesPage->rgTypes[0]->click();
  window.sizesPage->rbListing->click();
  for (int page : {kTypesPage, kSizesPage}) {
    showPage(page);
    testkit::expectKeyboardComplete(&window);
  }
  EXPECT_EQ(testkit::windowsOnlyWords(testkit::windowTexts(&window)), QStringList());
  testkit::expectEscapeCloses(&window);
}

TEST_F(StatsWindowTest, BeforeAnyRunTheCoveredPagesKeepTheKeyboardOnTheWindowsButtons) {
  window.show();
  showPage(kTimePage);
  ASSERT_TRUE(window.pnlNotYet->isVisible());
  testkit::expectKeyboardComplete(&window);
}

TEST_F(StatsWindowTest, ThePrintPreviewIsWorkedWithTheKeyboardAndEscapeClosesIt) {
  TfrmChartPreview preview(window.printer(), [](QPrinter&) {}, &window);
  preview.show();
  EXPECT_EQ(helpTopicOf(&preview), QStringLiteral("statistics-printing.html"));
  testkit::expectKeyboardComplete(&preview);
  testkit::expectEscapeCloses(&preview);
  EXPECT_EQ(preview.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace tessaly
