#include "ui/common/report_printer.h"

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
  TextDeviceWriter writer(printer, font);
  for (const QString& line : heading) writer.write(line);
  WaitCursor waiting;
  // Rows already drawn stay in the document when a page cannot be started.
  for (qsizetype i = 0; writer.ok() && i < body.size(); ++i) writer.write(indent + body[i]);
  if (!writer.finish()) reportFailure();
}

}  // namespace

TextDeviceWriter::TextDeviceWriter(QPrinter& printer, const QFont& font)
    : printer_(printer), painter_(std::make_unique<QPainter>()), layout_(textDeviceMetrics(printer, font)) {
  ok_ = painter_->begin(&printer);
  painter_->setFont(font);
  ascent_ = QFontMetrics(font, &printer).ascent();
}

TextDeviceWriter::~TextDeviceWriter() { finish(); }

bool TextDeviceWriter::write(const QString& line) {
  if (!ok_ || finished_) return false;
  for (const PlacedText& piece : layout_.placeLine(line)) {
    for (; page_ < piece.page; ++page_) {
      if (!printer_.newPage()) return ok_ = false;
    }
    painter_->drawText(piece.x, piece.y + ascent_, piece.text);
  }
  return true;
}

bool TextDeviceWriter::finish() {
  if (finished_) return ok_;
  finished_ = true;
  if (painter_->isActive() && !painter_->end()) ok_ = false;
  return ok_;
}

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
