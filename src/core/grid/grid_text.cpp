#include "core/grid/grid_text.h"

#include <QSaveFile>

#include "core/grid/stamp_texts.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

QString cellHtml(const GridTable& table, int column, const QString& text, bool heading,
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

QString rowAsTabLine(const GridTable& table, qsizetype row, StampTexts& repeated) {
  QString line;
  for (int c = 0; c < table.columnCount(); ++c) {
    if (c > 0) line += u'\t';
    line += table.cellText(row, c, repeated);
  }
  return line;
}

QStringList gridAsTabLines(const GridTable& table) {
  QStringList lines;
  lines.reserve(table.rowCount() + 1);
  lines.append(table.headings.join(u'\t'));
  StampTexts repeated;
  for (qsizetype row = 0; row < table.rowCount(); ++row) lines.append(rowAsTabLine(table, row, repeated));
  return lines;
}

QStringList columnLines(const GridTable& table, int column) {
  QStringList lines;
  lines.reserve(table.rowCount());
  StampTexts repeated;
  for (qsizetype row = 0; row < table.rowCount(); ++row) lines.append(table.cellText(row, column, repeated));
  return lines;
}

QString clipboardText(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  return text;
}

QString gridAsWebPage(const GridTable& table) {
  QString html = QStringLiteral("<table border=1>\n<tr>");
  for (int c = 0; c < table.columnCount(); ++c) html += cellHtml(table, c, table.headings[c], true, std::nullopt);
  html += QStringLiteral("</tr>\n");
  StampTexts repeated;
  for (qsizetype row = 0; row < table.rowCount(); ++row) {
    html += QStringLiteral("<tr>");
    const std::optional<quint32> colour = table.cellColour(row);
    for (int c = 0; c < table.columnCount(); ++c) {
      html += cellHtml(table, c, platform::displayPath(table.cellText(row, c, repeated)), false, colour);
    }
    html += QStringLiteral("</tr>\n");
  }
  return html + QStringLiteral("</table><p>\n");
}

bool writeWebPage(const GridTable& table, const QString& fileName) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  // A page without a declared encoding is read by some browsers in a legacy code page, which
  // would show non-ASCII file names garbled; the byte order mark declares UTF-8 and shows nothing.
  file.write(kUtf8ByteOrderMark);
  file.write(gridAsWebPage(table).toUtf8());
  return file.commit();
}

}  // namespace tessaly
