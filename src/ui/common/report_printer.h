#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>

#include "core/grid/result_table.h"
#include "core/grid/text_device_layout.h"

class QPainter;
class QPrinter;
class QPaintDevice;

namespace tessaly {

// The printed reports. The caller has shown the print dialog (dialogs().setUpPrinter) and
// calls these only when the user confirmed it. A failure is reported once, with
// "Error printing report ... quitting"; what was printed until then is still handed over.
void printGrid(QPrinter& printer, const GridTable& grid, const QString& title);
// Each text line indented by three blanks; tabs in the lines go to the device's tab stops.
void printLines(QPrinter& printer, const QStringList& lines, const QString& title);

// Writes lines of text through the text device onto a printer's pages, one line at a time,
// so a long document is never held whole. The first failure ends the writing.
class TextDeviceWriter {
 public:
  TextDeviceWriter(QPrinter& printer, const QFont& font);
  ~TextDeviceWriter();
  TextDeviceWriter(const TextDeviceWriter&) = delete;
  TextDeviceWriter& operator=(const TextDeviceWriter&) = delete;

  // False once the printer could not be opened, a page could not be started, or the
  // document could not be ended.
  bool write(const QString& line);
  bool finish();
  bool ok() const { return ok_; }

 private:
  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
  TextDeviceLayout layout_;
  int ascent_ = 0;
  int page_ = 0;
  bool ok_ = true;
  bool finished_ = false;
};

// 8 points of the requested family, falling back to a monospaced family that this host has.
QFont reportFont(const QString& requestedFamily);
// The text device of that font on a printer page (or any paint device).
TextDeviceMetrics textDeviceMetrics(QPaintDevice& device, const QFont& font);

}  // namespace tessaly
