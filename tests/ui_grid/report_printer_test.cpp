#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QPrinter>
#include <QRegularExpression>

#include "core/grid/text_report.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/common/report_printer.h"

namespace tessaly {
namespace {

ResultTable gridWithRows(int rows) {
  ResultTable grid;
  grid.headings = {QStringLiteral("Name"), QStringLiteral("Size")};
  grid.columnWidths = {300, 80};
  for (int i = 0; i < rows; ++i) grid.rows.push_back({{QStringLiteral("file%1").arg(i), QString::number(i)}});
  return grid;
}

void usePdf(QPrinter& printer, const QString& fileName) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(fileName);
}

QByteArray contents(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pdfPageCount(const QByteArray& pdf) {
  return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// The pages the text device puts these lines on for this printer.
int expectedPages(QPrinter& printer, const QFont& font, const QStringList& lines) {
  TextDeviceLayout layout(textDeviceMetrics(printer, font));
  int lastPage = 0;
  for (const QString& line : lines) {
    for (const PlacedText& piece : layout.placeLine(line)) lastPage = piece.page;
  }
  return lastPage + 1;
}

TEST(ReportPrinterTest, TheReportFontIsAnEightPointMonospacedFamilyThatResolves) {
  for (const QString& family : {QStringLiteral("Courier New"), QStringLiteral("Courier")}) {
    const QFont font = reportFont(family);
    EXPECT_EQ(font.pointSize(), 8);
    EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
  }
}

TEST(ReportPrinterTest, AGridPrintsToPdfOnAsManyPagesAsTheTextDeviceLaysOut) {
  testkit::ScriptedDialogs dialogs;
  testkit::TempTree tree;
  for (int rows : {0, 400}) {
    const QString pdf = tree.path(QStringLiteral("grid%1.pdf").arg(rows));
    QPrinter printer(QPrinter::HighResolution);
    usePdf(printer, pdf);
    const ResultTable grid = gridWithRows(rows);
    printGrid(printer, grid, QStringLiteral("Folder hogs on drive(s) / "));
    const QByteArray written = contents(pdf);
    ASSERT_TRUE(written.startsWith("%PDF")) << rows;
    EXPECT_GT(written.size(), 1000) << rows;
    QStringList lines = reportHeading(QStringLiteral("Folder hogs on drive(s) / "), QDateTime::currentDateTime());
    lines += gridReportLines(grid);
    const int pages = expectedPages(printer, reportFont(QStringLiteral("Courier New")), lines);
    EXPECT_EQ(pdfPageCount(written), pages) << rows;
    if (rows > 0) {
      EXPECT_GT(pages, 1);
    }
  }
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST(ReportPrinterTest, LinesPrintWithTheirTabsToPdf) {
  testkit::ScriptedDialogs dialogs;
  testkit::TempTree tree;
  const QString pdf = tree.path(QStringLiteral("details.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  usePdf(printer, pdf);
  printLines(printer, {QStringLiteral("Size\t1,024"), QStringLiteral("Created\t1/1/2001")},
             QStringLiteral("File details of /tmp/a.txt"));
  const QByteArray written = contents(pdf);
  EXPECT_TRUE(written.startsWith("%PDF"));
  EXPECT_EQ(pdfPageCount(written), 1);
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST(ReportPrinterTest, APrinterThatCannotBeOpenedIsReportedOnce) {
  testkit::ScriptedDialogs dialogs;
  testkit::TempTree tree;
  QPrinter printer(QPrinter::HighResolution);
  usePdf(printer, tree.path(QStringLiteral("no/such/folder/report.pdf")));
  printGrid(printer, gridWithRows(50), QStringLiteral("Files"));
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{QStringLiteral("Error printing report ... quitting")});
  EXPECT_EQ(dialogs.shown().size(), 1);
}

}  // namespace
}  // namespace tessaly
