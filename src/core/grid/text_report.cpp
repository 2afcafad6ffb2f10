#include "core/grid/text_report.h"

#include "core/common/date_texts.h"

namespace tessaly {
namespace {

QString reportRow(const ResultTable& grid, const QStringList& cells) {
  QString line;
  for (int c = 0; c < grid.columnCount(); ++c) {
    const int characters = qMax(0, grid.widthOf(c) / kScreenPixelsPerReportCharacter);
    line += cells.value(c).left(characters).leftJustified(characters, u' ') + u' ';
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

QStringList gridReportLines(const ResultTable& grid) {
  QStringList lines;
  lines.reserve(qsizetype(grid.rows.size()) + 1);
  lines.append(reportRow(grid, grid.headings));
  for (const ResultRow& row : grid.rows) lines.append(reportRow(grid, row.cells));
  return lines;
}

}  // namespace tessaly
