#include "core/grid/text_report.h"

#include "core/common/date_texts.h"
#include "core/grid/stamp_texts.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

// Each cell cut or padded to its column's characters, then one blank.
template <typename CellOf>
QString reportRow(const GridTable& grid, CellOf cellOf) {
  QString line;
  for (int c = 0; c < grid.columnCount(); ++c) {
    const int characters = qMax(0, grid.widthOf(c) / kScreenPixelsPerReportCharacter);
    line += cellOf(c).left(characters).leftJustified(characters, u' ') + u' ';
  }
  return line;
}

}  // namespace

QStringList reportHeading(const QString& title, const QDateTime& printedAt, const QString& indent) {
  return {indent + title,
          indent + QStringLiteral("Printed : ") + shortDateText(printedAt.date()) + QStringLiteral("  ") +
              longTimeText(printedAt.time()),
          QString(), QString()};
}

QStringList gridReportLines(const GridTable& grid) {
  QStringList lines;
  lines.reserve(grid.rowCount() + 1);
  lines.append(reportRow(grid, [&grid](int c) { return grid.headings[c]; }));
  StampTexts repeated;
  for (qsizetype row = 0; row < grid.rowCount(); ++row) {
    lines.append(reportRow(grid, [&](int c) { return platform::displayPath(grid.cellText(row, c, repeated)); }));
  }
  return lines;
}

}  // namespace tessaly
