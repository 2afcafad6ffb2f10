#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "core/grid/result_table.h"

namespace tessaly {

inline constexpr int kScreenPixelsPerReportCharacter = 6;

// The lines every report starts with: the title, "Printed : " with the date and time, two
// empty lines. The indent goes in front of each text line.
QStringList reportHeading(const QString& title, const QDateTime& printedAt, const QString& indent = QString());

// One line per grid row, the heading row first: each cell cut or padded to its column's
// screen width / 6 characters, then one blank. Names are shown, their raw bytes escaped.
QStringList gridReportLines(const GridTable& grid);

}  // namespace tessaly
