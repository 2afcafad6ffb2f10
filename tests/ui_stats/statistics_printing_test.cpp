#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "core/common/date_texts.h"
#include "pdf_words.h"
#include "stats_window_fixture.h"
#include "ui/stats/chart_preview_window.h"
#include "ui/stats/listing_chart_page.h"
#include "ui/stats/types_page.h"

namespace tessaly {
namespace {

using testkit::PdfPage;
using testkit::StatsWindowTest;

// The title centred at the top, the date at the top left, the time at the top right and
// "Page n" at the bottom left.
void expectFurniture(const PdfPage& page, const QString& title, int pageNumber) {
  const QRectF titleBox = page.find(title);
  ASSERT_FALSE(titleBox.isNull()) << title.toStdString();
  const double width = page.size.width();
  const double height = page.size.height();
  EXPECT_NEAR(titleBox.center().x(), width / 2, width * 0.02);
  EXPECT_LT(titleBox.top(), height * 0.15);
  const QRectF date = page.find(shortDateText(QDate::currentDate()));
  ASSERT_FALSE(date.isNull());
  EXPECT_LT(date.right(), width / 3);
  EXPECT_LT(date.bottom(), titleBox.top() + 1);
  bool timeAtRight = false;
  for (const testkit::PdfWord& word : page.words)
    timeAtRight |= word.box.left() > width * 2 / 3 && word.box.bottom() < titleBox.top() + 1 && word.text.contains(u':');
  EXPECT_TRUE(timeAtRight);
  const QRectF number = page.find(QStringLiteral("Page ") + QString::number(pageNumber));
  ASSERT_FALSE(number.isNull());
  EXPECT_GT(number.top(), height * 0.85);
  EXPECT_LT(number.right(), width / 3);
}

TEST_F(StatsWindowTest, BeforeAnyRunPrintDoesNothingOnTheTypesPageAndPrintsTheWindowOnTheSpacePage) {
  const QString pdf = pdfOutput(QStringLiteral("space.pdf"));
  window.show();
  showPage(kTypesPage);
  window.btPrint->click();
  EXPECT_TRUE(dialogs.shown().isEmpty());
  EXPECT_FALSE(QFile::exists(pdf));

  showPage(kSpacePage);
  dialogs.printerAccepted(false);
  window.btPrint->click();
  EXPECT_FALSE(QFile::exists(pdf));
  dialogs.printerAccepted(true);
  window.btPrint->click();
  const std::vector<PdfPage> pages = testkit::readPdf(pdf);
  ASSERT_EQ(pages.size(), 1u);
  expectFurniture(pages[0], QStringLiteral("File Statistics Not Yet Collected - Space"), 1);
  // The window as a picture, at three times the screen's resolution so it prints sharp.
  EXPECT_GE(testkit::pdfImageCount(pdf), 1);
  EXPECT_TRUE(testkit::pdfImageWidths(pdf).contains(3 * window.width()));
  // The faces are given back after printing.
  EXPECT_EQ(window.palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
}

TEST_F(StatsWindowTest, AChartPagePrintsItsChartThroughThePreview) {
  tree.file(QStringLiteral("a.doc"), 5000, 'a');
  collect({root(QString(), QStringLiteral("tree"))});
  const QString pdf = pdfOutput(QStringLiteral("sizes.pdf"));
  window.show();
  showPage(kSizesPage);
  int previews = 0;
  preview = [&](QWidget* owner, QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
    ++previews;
    TfrmChartPreview shown(printer, paint, owner);
    EXPECT_EQ(shown.windowTitle(), QStringLiteral("Print preview"));
    dialogs.printerAccepted(false);
    shown.btPrint->click();
    EXPECT_FALSE(QFile::exists(pdf));
    dialogs.printerAccepted(true);
    shown.btPrint->click();
    EXPECT_EQ(shown.result(), QDialog::Accepted);
  };
  window.btPrint->click();
  EXPECT_EQ(previews, 1);
  const std::vector<PdfPage> pages = testkit::readPdf(pdf);
  ASSERT_EQ(pages.size(), 1u);
  expectFurniture(pages[0], QStringLiteral("Stats done for tree  - Sizes"), 1);
  EXPECT_TRUE(pages[0].contains(QStringLiteral("File Sizes in MB")));
  EXPECT_TRUE(pages[0].contains(QStringLiteral("512K - 1MB")));
  EXPECT_EQ(testkit::pdfImageCount(pdf), 0);  // the chart in lines and text, not a picture of the window

  // The same page as a listing prints the window.
  window.sizesPage->rbListing->click();
  dialogs.printerAccepted(true);
  window.btPrint->click();
  EXPECT_EQ(previews, 1);
  EXPECT_GE(testkit::pdfImageCount(pdf), 1);
}

TEST_F(StatsWindowTest, TheTypesListingPrintsItsGridWithTheHeadingsOnTheFirstPageOnly) {
  for (int i = 0; i < 150; ++i) tree.file(QStringLiteral("f.x%1").arg(i, 3, 10, QLatin1Char('0')), 10, 'x');
  collect({root(QString(), QStringLiteral("/tmp/tree "))});
  const QString pdf = pdfOutput(QStringLiteral("types.pdf"));
  window.show();
  showPage(kTypesPage);
  window.typesPage->rgTypes[0]->click();
  dialogs.printerAccepted(true);
  window.btPrint->click();
  const std::vector<PdfPage> pages = testkit::readPdf(pdf);
  ASSERT_GE(pages.size(), 2u);
  EXPECT_LT(pages[0].size.width(), pages[0].size.height());  // portrait
  for (size_t p = 0; p < pages.size(); ++p) expectFurniture(pages[p], QStringLiteral("File types for drive /tmp/tree "), int(p) + 1);
  const QRectF heading = pages[0].find(QStringLiteral("Extension"));
  ASSERT_FALSE(heading.isNull());
  EXPECT_TRUE(pages[0].contains(QStringLiteral(".X000")));
  EXPECT_FALSE(pages[1].contains(QStringLiteral("Extension")));
  EXPECT_TRUE(pages.back().contains(QStringLiteral("Totals")));
  // Centred between the margins: as much room on the left of a row as on its right.
  const QRectF row = pages[0].find(QStringLiteral(".X000 X000 File 10 1 10"));
  ASSERT_FALSE(row.isNull()) << pages[0].text();
  EXPECT_NEAR(row.left(), pages[0].size.width() - row.right(), pages[0].size.width() * 0.03);
  EXPECT_NEAR(heading.left(), row.left(), 1);
}

}  // namespace
}  // namespace tessaly
