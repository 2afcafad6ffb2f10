#pragma once

#include <QDateTime>
#include <QString>

#include "core/grid/result_table.h"

class QPainter;
class QPrinter;
class QRectF;
class QWidget;

namespace tessaly {

class StatChartView;

// What every printed statistics page carries besides its content: the title centred at the
// top, the date at the top left, the time at the top right, "Page n" at the bottom left.
struct PageFurniture {
  QString title;
  QDateTime printedAt = QDateTime::currentDateTime();
};

// Draws the furniture of one page and returns the rectangle left for the content.
QRectF drawFurniture(QPainter& painter, const QRectF& page, const PageFurniture& furniture, int pageNumber);

// The window as it is shown, scaled to fit one page.
void printWindowImage(QPrinter& printer, QWidget& window, const PageFurniture& furniture);
// A chart and what is drawn over it, scaled to fit one page.
void printChart(QPrinter& printer, StatChartView& chart, const PageFurniture& furniture);
// A grid centred on portrait pages with left and right margins of 20 mm, without cell
// borders; the heading row only on the first page.
void printGridPages(QPrinter& printer, const ResultTable& grid, const QFont& font, const PageFurniture& furniture);

}  // namespace tessaly
