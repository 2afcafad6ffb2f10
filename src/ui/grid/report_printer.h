#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "core/grid/result_table.h"
#include "core/grid/text_device_layout.h"

class QPrinter;
class QPaintDevice;

namespace tessaly {

// The printed reports. The caller has shown the print dialog (dialogs().setUpPrinter) and
// calls these only when the user confirmed it. A failure is reported once, with
// "Error printing report ... quitting"; what was printed until then is still handed over.
void printGrid(QPrinter& printer, const GridTable& grid, const QString& title);
// Each text line indented by three blanks; tabs in the lines go to the device's tab stops.
void printLines(QPrinter& printer, const QStringList& lines, const QString& title);

// 8 points of the requested family, falling back to a monospaced family that this host has.
QFont reportFont(const QString& requestedFamily);
// The text device of that font on a printer page (or any paint device).
TextDeviceMetrics textDeviceMetrics(QPaintDevice& device, const QFont& font);

}  // namespace tessaly
