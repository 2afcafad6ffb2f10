#include "core/grid/grid_text.h"

#include <QSaveFile>

namespace tessaly {
namespace {

QString cellHtml(const ResultTable& table, int column, const QString& text, bool heading,
                 const std::optional<quint32>& colour) {
  QString html = QStringLiteral("<td nowrap");
  switch (table.alignmentOf(column)) {
    case CellAlignment::Right: html += QStringLiteral(" align=right"); break;
    case CellAlignment::Center: html += QStringLiteral(" align=center"); break;
    case CellAlignment::Left: break;
  }
  if (colour) html += QStringLiteral(" bgcolor=\"#%1\"").arg(*colour, 6, 16, QLatin1Char('0'));
  html += u'>';
  if (text.isEmpty()) {
    html += QStringLiteral("<br>");
  } else if (heading) {
    html += QStringLiteral("<B>") + text.toHtmlEscaped() + QStringLiteral("</B>");
  } else {
    html += text.toHtmlEscaped();
  }
  return html + QStringLiteral("</td>");
}

}  // namespace

QStringList gridAsTabLines(const ResultTable& table) {
  QStringList lines;
  lines.reserve(qsizetype(table.rows.size()) + 1);
  lines.append(table.headings.join(u'\t'));
  for (const ResultRow& row : table.rows) lines.append(row.cells.join(u'\t'));
  return lines;
}

QStringList columnLines(const ResultTable& table, int column) {
  QStringList lines;
  lines.reserve(qsizetype(table.rows.size()));
  for (const ResultRow& row : table.rows) lines.append(row.cells.value(column));
  return lines;
}

QString clipboardText(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  return text;
}

QString gridAsWebPage(const ResultTable& table) {
  QString html = QStringLiteral("<table border=1>\n<tr>");
  for (int c = 0; c < table.columnCount(); ++c) html += cellHtml(table, c, table.headings[c], true, std::nullopt);
  html += QStringLiteral("</tr>\n");
  for (const ResultRow& row : table.rows) {
    html += QStringLiteral("<tr>");
    for (int c = 0; c < table.columnCount(); ++c) html += cellHtml(table, c, row.cells.value(c), false, row.cellColour);
    html += QStringLiteral("</tr>\n");
  }
  return html + QStringLiteral("</table><p>\n");
}

bool writeWebPage(const ResultTable& table, const QString& fileName) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  // A page without a declared encoding is read by some browsers in a legacy code page, which
  // would show non-ASCII file names garbled; the byte order mark declares UTF-8 and shows nothing.
  file.write(kUtf8ByteOrderMark);
  file.write(gridAsWebPage(table).toUtf8());
  return file.commit();
}

}  // namespace tessaly
