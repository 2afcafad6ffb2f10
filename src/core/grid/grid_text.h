#pragma once

#include <QString>
#include <QStringList>

#include "core/grid/result_table.h"

namespace tessaly {

class StampTexts;

// One row's cells joined by one tab, with no tab after the last. Names keep their bytes; text
// shown to the user goes through platform::displayPath.
QString rowAsTabLine(const GridTable& table, qsizetype row, StampTexts& repeated);

// "Entire grid separated by tabs": the heading row, then each row, cells joined by one tab.
QStringList gridAsTabLines(const GridTable& table);
// One line per data row: the given cell.
QStringList columnLines(const GridTable& table, int column);
// Lines as the clipboard takes them: each ended by CR LF, the last one too.
QString clipboardText(const QStringList& lines);

// The grid as one HTML table; cell texts are escaped so a name shows as itself, a byte of a
// name that is not UTF-8 as "\xE9".
QString gridAsWebPage(const GridTable& table);
inline constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";
// Replaces the file with the page in UTF-8, marked as such; false when it cannot be written
// (nothing half-written is left).
bool writeWebPage(const GridTable& table, const QString& fileName);

}  // namespace tessaly
