#include "ui/grid/report_printer.h"

#include <QCursor>
#include <QDateTime>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include "core/common/dialogs.h"
#include "core/grid/text_report.h"
#include "ui/common/wait_cursor.h"

namespace tessaly {
namespace {

const QString kReportIndent = QStringLiteral("   ");

void reportFailure() { showError(QStringLiteral("Error printing report ... quitting")); }

// Writes the heading, then each body line, through the text device onto the printer's pages.
void writeReport(QPrinter& printer, const QFont& font, const QStringList& heading, const QStringList& body,
                 const QString& indent) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    reportFailure();
    return;
  }
  painter.setFont(font);
  TextDeviceLayout layout(textDeviceMetrics(printer, font));
  const int ascent = QFontMetrics(font, &printer).ascent();
  int page = 0;
  // Rows already drawn stay in the document when a page cannot be started.
  const auto write = [&](const QString& line) {
    for (const PlacedText& piece : layout.placeLine(line)) {
      for (; page < piece.page; ++page) {
        if (!printer.newPage()) return false;
      }
      painter.drawText(piece.x, piece.y + ascent, piece.text);
    }
    return true;
  };

  bool written = true;
  for (const QString& line : heading) written = written && write(line);
  WaitCursor waiting;
  for (qsizetype i = 0; written && i < body.size(); ++i) written = write(indent + body[i]);
  if (!painter.end()) written = false;
  if (!written) reportFailure();
}

}  // namespace

QFont reportFont(const QString& requestedFamily) {
  QFont font(requestedFamily);
  font.setFamilies({requestedFamily, QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                    QStringLiteral("monospace")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSize(8);
  return font;
}

TextDeviceMetrics textDeviceMetrics(QPaintDevice& device, const QFont& font) {
  const QFontMetrics metrics(font, &device);
  TextDeviceMetrics result;
  result.pageWidth = device.width();
  result.pageHeight = device.height();
  result.averageCharWidth = metrics.averageCharWidth();
  result.charHeight = metrics.height();
  result.textWidth = [metrics](QStringView text) { return metrics.horizontalAdvance(text.toString()); };
  return result;
}

void printGrid(QPrinter& printer, const GridTable& grid, const QString& title) {
  writeReport(printer, reportFont(QStringLiteral("Courier New")), reportHeading(title, QDateTime::currentDateTime()),
              gridReportLines(grid), QString());
}

void printLines(QPrinter& printer, const QStringList& lines, const QString& title) {
  writeReport(printer, reportFont(QStringLiteral("Courier")),
              reportHeading(title, QDateTime::currentDateTime(), kReportIndent), lines, kReportIndent);
}

}  // namespace tessaly
