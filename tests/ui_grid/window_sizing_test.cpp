#include <gtest/gtest.h>

#include <QAction>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/grid/window_sizing.h"

namespace tessaly {
namespace {

constexpr int kRest = FileColumn::kRestOfWidth;

TEST(WindowSizingTest, DesignWidthsScaleWithTheScreenAndTheRestColumnsShareWhatIsLeft) {
  const struct {
    const char* name;
    std::vector<int> design;
    int gridWidth;
    double pixelsPerInch;
    std::vector<int> expected;
  } cases[] = {
      {"duplicates at 96 dpi", {93, 58, 64, 70, 70, 184, kRest}, 900, 96, {93, 58, 64, 70, 70, 184, 900 - 539 - 25}},
      // The rest is worked out from the unscaled design widths.
      {"at 144 dpi", {64, 296, kRest}, 1000, 144, {96, 444, 1000 - 360 - 25}},
      {"two columns share the rest", {69, 66, 66, 61, kRest, kRest}, 600, 96, {69, 66, 66, 61, 156, 156}},
      {"a grid too narrow leaves the rest nothing", {300, kRest}, 200, 96, {300, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(columnWidthsFor(c.design, c.gridWidth, c.pixelsPerInch), c.expected) << c.name;
}

TEST(WindowSizingTest, AFontWithWiderDigitsWidensTheColumnsAndTheRestShrinksByAsMuch) {
  // Digits half as wide again as the design font's: 58 design pixels become 87.
  EXPECT_EQ(columnWidthsFor({93, 58, kRest}, 900, 96, 1.5), (std::vector<int>{140, 87, 900 - 227 - 25}));
  EXPECT_EQ(columnWidthsFor({93, 58, kRest}, 900, 144, 1.5), (std::vector<int>{210, 131, 900 - 227 - 25}));

  QFont narrow;
  narrow.setPixelSize(4);
  EXPECT_EQ(fontWidthScale(QFontMetrics(narrow)), 1.0);
  QFont wide;
  wide.setPixelSize(40);
  const QFontMetrics wideMetrics(wide);
  EXPECT_DOUBLE_EQ(fontWidthScale(wideMetrics), wideMetrics.horizontalAdvance(QStringLiteral("0123456789")) / 60.0);
}

TEST(WindowSizingTest, TheLeastSizeIsThePanelsRightEdgePlusThreeAndTwiceItsBottomCappedByTheScreen) {
  EXPECT_EQ(minimumWindowSize(497, 120, 96, 1920), QSize(500, 240));
  EXPECT_EQ(minimumWindowSize(497, 120, 144, 1920), QSize(750, 360));
  EXPECT_EQ(minimumWindowSize(797, 120, 144, 1000), QSize(990, 360));
}

TEST(WindowSizingTest, ShrinkHidesTheTopPanelAndRestoreBringsItBack) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* panel = new QLabel(QStringLiteral("settings"));
  panel->setFixedHeight(80);
  layout->addWidget(panel);
  layout->addWidget(new QLabel(QStringLiteral("grid")));
  window.show();
  TopPanelActions actions;
  actions.setPanel(panel);
  EXPECT_TRUE(actions.shrinkAction()->isEnabled());
  EXPECT_FALSE(actions.restoreAction()->isEnabled());

  actions.shrinkAction()->trigger();
  EXPECT_FALSE(panel->isVisible());
  EXPECT_FALSE(actions.shrinkAction()->isEnabled());
  EXPECT_TRUE(actions.restoreAction()->isEnabled());

  actions.restoreAction()->trigger();
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(panel->height(), 80);
  EXPECT_TRUE(actions.shrinkAction()->isEnabled());
  EXPECT_FALSE(actions.restoreAction()->isEnabled());
}

TEST(WindowSizingTest, TheLeastSizeIsAppliedToTheWindow) {
  QWidget window;
  applyMinimumWindowSize(&window, 497, 120);
  const double scale = window.logicalDpiX() / kDesignPixelsPerInch;
  EXPECT_EQ(window.minimumSize(), QSize(int(500 * scale), int(240 * scale)));
}

}  // namespace
}  // namespace tessaly
