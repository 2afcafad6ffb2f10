#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/dups/pair_texts.h"
#include "core/search/file_crc.h"
#include "dup_window_fixture.h"
#include "support/keyboard_checks.h"
#include "ui/common/help_topic.h"
#include "ui/grid/marked_grid.h"

namespace tessaly {
namespace {

class DupCompareTest : public testkit::DupWindowTest {
 protected:
  // Three copies of one file, two of another with different contents.
  void SetUp() override {
    tree.file("a/one.txt", "same words");
    tree.file("b/one.txt", "same words");
    tree.file("c/one.txt", "same words");
    tree.file("a/two.txt", "first");
    tree.file("b/two.txt", "other");
    open(true);
    search(MatchMode::FilenameAndSize);
    ASSERT_EQ(rowPaths().size(), 5);
  }
  void showPairs(int row) {
    window->setCurrentRow(row);
    window->btCompare->click();
  }
  QString shownName(PairSide which) const { return pairs->side(which).box->title(); }
  QString shownFolder(PairSide which) const { return pairs->side(which).lblFolder->text(); }
};

TEST_F(DupCompareTest, PairsStepThroughEachGroupAndSayWhenEitherEndIsPassed) {
  showPairs(0);
  ASSERT_TRUE(pairs->isVisible());
  EXPECT_EQ(pairs->currentRow(), 0);
  EXPECT_EQ(shownFolder(LeftSide), tree.path("a"));
  EXPECT_EQ(shownFolder(RightSide), tree.path("b"));

  pairs->sbL1->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Information), QStringList{"Start of list"});

  // The page keys work wherever the focus is in the window.
  QApplication::setActiveWindow(pairs);
  pairs->cbDetails->setFocus();

  const std::vector<qsizetype> expected{1, 3};
  for (qsizetype row : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(pairs->currentRow(), row);
    EXPECT_EQ(window->currentRow(), row);  // the duplicates grid follows
  }
  EXPECT_EQ(shownName(LeftSide), "two.txt");
  dialogs.clear();
  pairs->sbR1->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Information), QStringList{"End of list"});
  EXPECT_EQ(pairs->currentRow(), 3);

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
  EXPECT_EQ(pairs->currentRow(), 1);
  EXPECT_EQ(shownFolder(LeftSide), tree.path("b"));
  EXPECT_EQ(shownFolder(RightSide), tree.path("c"));
}

TEST_F(DupCompareTest, TheLastRowIsShownWithTheRowAboveIt) {
  showPairs(4);
  EXPECT_EQ(pairs->currentRow(), 3);
  EXPECT_EQ(shownFolder(RightSide), tree.path("b"));
  EXPECT_EQ(shownName(RightSide), "two.txt");
}

TEST_F(DupCompareTest, TheChecksumVerdictTellsEqualFromDifferentContents) {
  showPairs(0);
  EXPECT_TRUE(pairs->side(LeftSide).lblCRC->text().isEmpty());
  pairs->btCompute->click();
  const QString sum = crcText(fileCRC(tree.path("a/one.txt")));
  EXPECT_EQ(pairs->side(LeftSide).lblCRC->text(), sum + kContentsIdentical);
  EXPECT_EQ(pairs->side(RightSide).lblCRC->text(), sum + kContentsIdentical);

  // Equal sizes: "Auto compare CRC" works out the sums of each pair shown.
  pairs->cbAutoCRC->setChecked(true);
  pairs->sbR1->click();
  pairs->sbR1->click();
  EXPECT_EQ(pairs->side(LeftSide).lblCRC->text(), crcText(fileCRC(tree.path("a/two.txt"))) + kContentsDiffer);
  EXPECT_EQ(pairs->side(RightSide).lblCRC->text(), crcText(fileCRC(tree.path("b/two.txt"))) + kContentsDiffer);
}

TEST_F(DupCompareTest, AutoCompareLeavesFilesOfDifferentSizesAlone) {
  window->close();
  window.reset();
  tree.file("a/three.txt", "short");
  tree.file("b/three.txt", "much longer");
  open(true);
  search(MatchMode::FilenameOnly);
  pairs->cbAutoCRC->setChecked(true);
  showPairs(rowOf("a/three.txt"));
  EXPECT_EQ(shownName(LeftSide), "three.txt");
  EXPECT_TRUE(pairs->side(LeftSide).lblCRC->text().isEmpty());
  EXPECT_TRUE(pairs->side(RightSide).lblCRC->text().isEmpty());
  EXPECT_EQ(pairs->side(RightSide).lblSimpleSize->text(), "120% larger");
}

TEST_F(DupCompareTest, AVanishedFileKeepsItsSideAndGetsNoChecksum) {
  showPairs(0);
  const QString sizeShown = pairs->side(RightSide).lblSize->text();
  ASSERT_FALSE(sizeShown.isEmpty());
  ASSERT_TRUE(QFile::remove(tree.path("b/one.txt")));
  pairs->btCompute->click();
  EXPECT_EQ(pairs->side(RightSide).lblSize->text(), sizeShown);
  EXPECT_EQ(shownFolder(RightSide), tree.path("b"));
  EXPECT_TRUE(pairs->side(RightSide).lblCRC->text().isEmpty());
  EXPECT_EQ(pairs->side(LeftSide).lblCRC->text(), crcText(fileCRC(tree.path("a/one.txt"))));

  // Open, view and browse do nothing for the vanished side.
  int reached = 0;
  pairs->openUrl = [&](const QUrl&) { return ++reached > 0; };
  pairs->viewFile = [&](const QString&) { ++reached; };
  pairs->browseFolder = [&](const BrowseRequest&) { ++reached; };
  for (QPushButton* button : {pairs->side(RightSide).btLaunch, pairs->side(RightSide).btView, pairs->side(RightSide).btBrowse})
    button->click();
  EXPECT_EQ(reached, 0);
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(DupCompareTest, MarkingEitherSideTogglesItsRowInTheDuplicatesWindow) {
  showPairs(1);
  pairs->side(RightSide).btMark->click();
  EXPECT_TRUE(window->grid->marks().contains(tree.path("c/one.txt")));
  EXPECT_EQ(window->pnlSel->text(), "1 files 10 bytes");
  EXPECT_TRUE(window->btDelete->isEnabled());
  pairs->side(LeftSide).btMark->click();
  pairs->side(RightSide).btMark->click();
  EXPECT_FALSE(window->grid->marks().contains(tree.path("c/one.txt")));
  EXPECT_TRUE(window->grid->marks().contains(tree.path("b/one.txt")));
}

TEST_F(DupCompareTest, ASecondPressOnlyBringsTheWindowForwardAndClosingTheDuplicatesWindowHidesIt) {
  showPairs(0);
  pairs->sbR1->click();
  showPairs(3);
  EXPECT_EQ(pairs->currentRow(), 1);  // not reloaded
  window->close();
  window.reset();
  EXPECT_FALSE(pairs->isVisible());
  EXPECT_EQ(pairs->parentWidget(), &home);  // still there for the next duplicates window
}

TEST_F(DupCompareTest, PrintingPrintsTheWindowAndGivesItBackItsColours) {
  showPairs(2);  // the last "one.txt" beside the first "two.txt": their sizes differ
  const QColor face = pairs->side(LeftSide).lblType->palette().color(QPalette::Window);
  const QColor highlighted = pairs->side(LeftSide).lblSize->palette().color(QPalette::Window);
  ASSERT_NE(face, highlighted);
  const QString pdf = tree.path("pairs.pdf");
  pairs->printer().setOutputFormat(QPrinter::PdfFormat);
  pairs->printer().setOutputFileName(pdf);
  dialogs.printerAccepted(false);
  pairs->btPrint->click();
  EXPECT_FALSE(QFileInfo::exists(pdf));
  dialogs.printerAccepted(true);
  pairs->btPrint->click();
  EXPECT_GT(QFileInfo(pdf).size(), 0);
  EXPECT_EQ(pairs->side(LeftSide).lblType->palette().color(QPalette::Window), face);
  EXPECT_EQ(pairs->side(LeftSide).lblSize->palette().color(QPalette::Window), highlighted);
  EXPECT_TRUE(dialogs.texts(MessageStyle::Error).isEmpty());
}

TEST_F(DupCompareTest, DetailsSwapsTheViewsAndVersionListsHideWithoutVersionLines) {
  showPairs(0);
  EXPECT_EQ(pairs->side(LeftSide).tlBox->count(), 1);
  EXPECT_EQ(pairs->side(LeftSide).tlBox->item(0)->text(), "Extended profile absent");
  EXPECT_FALSE(pairs->side(LeftSide).tlBox->isVisible());
  EXPECT_TRUE(pairs->pnlSimple->isVisible());
  pairs->cbDetails->click();
  EXPECT_FALSE(pairs->pnlSimple->isVisible());
  EXPECT_TRUE(pairs->side(LeftSide).box->isVisible());
  EXPECT_EQ(pairs->side(RightSide).lblSimpleSize->text(), "Same size");
  testkit::expectKeyboardComplete(pairs);
  EXPECT_EQ(testkit::windowsOnlyWords(testkit::windowTexts(pairs)), QStringList());
  EXPECT_EQ(helpTopicOf(pairs), "pairs.html");
  testkit::expectEscapeCloses(pairs);
  EXPECT_FALSE(pairs->isVisible());
  EXPECT_EQ(pairs->parentWidget(), window.get());  // hidden, not gone

}

}  // namespace
}  // namespace tessaly
