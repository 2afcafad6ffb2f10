#include "ui/stats/page_printing.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/common/date_texts.h"
#include "core/stats/printed_pages.h"
#include "ui/stats/stat_chart_view.h"

namespace tessaly {
namespace {

constexpr qreal kSideMarginMm = 20;
constexpr qreal kTopMarginMm = 15;
constexpr int kFurniturePoints = 9;
constexpr int kTitlePoints = 12;
constexpr qreal kLineSpacing = 1.3;
constexpr qreal kScreenDpi = 96;
constexpr int kImageResolution = 3;
constexpr qreal kCellInset = 0.25;  // of a row's height, between a cell's edge and its text

QRectF pageRect(QPrinter& printer) {
  const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
  return QRectF(0, 0, paint.width(), paint.height());
}

QFont sized(QFont font, int points, bool bold = false) {
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}

Qt::Alignment alignmentOf(CellAlignment alignment) {
  switch (alignment) {
    case CellAlignment::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::Center:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case CellAlignment::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

// Paints a widget into the rectangle, scaled down to fit and centred at its top.
void paintScaled(QPainter& painter, const QRectF& area, const QSizeF& size, const std::function<void(QPainter&)>& paint) {
  const qreal scale = qMin(area.width() / size.width(), area.height() / size.height());
  painter.save();
  painter.translate(area.left() + (area.width() - size.width() * scale) / 2, area.top());
  painter.scale(scale, scale);
  paint(painter);
  painter.restore();
}

}  // namespace

QRectF drawFurniture(QPainter& painter, const QRectF& page, const PageFurniture& furniture, int pageNumber) {
  painter.save();
  painter.setPen(Qt::black);
  painter.setFont(sized(painter.font(), kFurniturePoints));
  const qreal line = QFontMetricsF(painter.font(), painter.device()).height() * kLineSpacing;
  const QRectF top(page.left(), page.top(), page.width(), line);
  painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, shortDateText(furniture.printedAt.date()));
  painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter, longTimeText(furniture.printedAt.time()));
  const QRectF bottom(page.left(), page.bottom() - line, page.width(), line);
  painter.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Page ") + QString::number(pageNumber));
  painter.setFont(sized(painter.font(), kTitlePoints, true));
  const qreal titleLine = QFontMetricsF(painter.font(), painter.device()).height() * kLineSpacing;
  const QRectF title(page.left(), top.bottom(), page.width(), titleLine);
  painter.drawText(title, Qt::AlignHCenter | Qt::AlignVCenter, furniture.title);
  painter.restore();
  return QRectF(page.left(), title.bottom() + line, page.width(), bottom.top() - title.bottom() - 2 * line);
}

void printWindowImage(QPrinter& printer, QWidget& window, const PageFurniture& furniture) {
  // A picture at a few times the screen's resolution, so that its text prints sharp.
  QImage image(window.size() * kImageResolution, QImage::Format_RGB32);
  image.setDevicePixelRatio(kImageResolution);
  window.render(&image);
  QPainter painter(&printer);
  const QRectF body = drawFurniture(painter, pageRect(printer), furniture, 1);
  paintScaled(painter, body, window.size(),
              [&image, &window](QPainter& scaled) { scaled.drawImage(QRectF(QPointF(0, 0), window.size()), image); });
}

void printChart(QPrinter& printer, StatChartView& chart, const PageFurniture& furniture) {
  QPainter painter(&printer);
  const QRectF body = drawFurniture(painter, pageRect(printer), furniture, 1);
  // The chart keeps its on-screen proportions, as wide as the page.
  const QSizeF shape = QSizeF(chart.size()).scaled(body.size(), Qt::KeepAspectRatio);
  chart.renderChart(painter, QRectF(QPointF(body.left() + (body.width() - shape.width()) / 2, body.top()), shape));
}

void printGridPages(QPrinter& printer, const ResultTable& grid, const QFont& font, const PageFurniture& furniture) {
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(QMarginsF(kSideMarginMm, kTopMarginMm, kSideMarginMm, kTopMarginMm), QPageLayout::Millimeter);
  QPainter painter(&printer);
  const QRectF page = pageRect(printer);
  const qreal toPrinter = printer.resolution() / kScreenDpi;
  std::vector<qreal> widths;
  qreal tableWidth = 0;
  for (int column = 0; column < grid.columnCount(); ++column) {
    widths.push_back(grid.widthOf(column) * toPrinter);
    tableWidth += widths.back();
  }
  if (tableWidth > page.width()) {
    for (qreal& width : widths) width *= page.width() / tableWidth;
    tableWidth = page.width();
  }
  const qreal rowHeight = QFontMetricsF(font, &printer).height() * kLineSpacing;
  const qreal cellInset = rowHeight * kCellInset;
  // Headings stand at the left of their columns, as on screen; cells as their column says.
  const auto drawRow = [&](const QStringList& cells, qreal left, qreal top, std::optional<Qt::Alignment> alignment) {
    for (int column = 0; column < grid.columnCount(); ++column) {
      const QRectF cell(left, top, widths[size_t(column)], rowHeight);
      painter.drawText(cell.adjusted(cellInset, 0, -cellInset, 0),
                       alignment.value_or(alignmentOf(grid.alignmentOf(column))), cells.value(column));
      left += widths[size_t(column)];
    }
  };

  QRectF body = drawFurniture(painter, page, furniture, 1);
  const std::vector<PrintedPage> pages = paginateRows(int(grid.rows.size()), rowHeight, body.height());
  for (size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) {
      printer.newPage();
      body = drawFurniture(painter, page, furniture, int(p) + 1);
    }
    const qreal left = body.left() + (body.width() - tableWidth) / 2;
    qreal top = body.top();
    if (pages[p].withHeadings) {
      QFont bold = font;
      bold.setBold(true);
      painter.setFont(bold);
      drawRow(grid.headings, left, top, Qt::AlignLeft | Qt::AlignVCenter);
      top += rowHeight;
    }
    painter.setFont(font);
    for (int row = pages[p].firstRow; row < pages[p].firstRow + pages[p].rowCount; ++row) {
      drawRow(grid.rows[size_t(row)].cells, left, top, std::nullopt);
      top += rowHeight;
    }
  }
}

}  // namespace tessaly
