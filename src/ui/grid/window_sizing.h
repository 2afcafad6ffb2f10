#pragma once

#include <QObject>
#include <QSize>
#include <vector>

#include "core/grid/file_table.h"

class QAction;
class QFontMetrics;
class QWidget;

namespace tessaly {

// The layouts of the tool windows are designed at 96 pixels per inch.
inline constexpr double kDesignPixelsPerInch = 96.0;
// What the last column leaves of the grid's width: the scroll bar and the borders.
inline constexpr int kGridWidthMargin = 25;
inline constexpr int kMinimumWidthMargin = 3;     // right of the top panel
inline constexpr int kScreenWidthMargin = 10;     // the least width stays this far inside the screen

// The grids were designed for a font whose digits are 6 pixels wide at 96 pixels per inch.
inline constexpr double kDesignDigitWidth = 6.0;
// How much wider the font's digits are than the design font's (at least 1), so that the design
// widths can grow with them and a number still fits its column.
double fontWidthScale(const QFontMetrics& metrics);

// The width of each column: its design width, widened for the font, scaled from 96 pixels per
// inch to the screen's; the columns of FileColumn::kRestOfWidth share what the grid's width
// leaves after the others' widened (but unscaled) design widths and the margin.
std::vector<int> columnWidthsFor(const std::vector<int>& designWidths, int gridWidth, double pixelsPerInch,
                                 double fontScale = 1.0);

// The design widths were made for the small font of their day: a column is widened, where it
// must be, to hold its heading and the widest text its kind of value shows, in the grid's font.
int widthToFit(int designWidth, const QFontMetrics& metrics, const QStringList& texts);
// The widest text of a kind of value: a date, a time of day, a size of ten digits; empty for
// names, paths and types, whose widths vary without end.
QString widestTextOf(FileValue value);
// The columns with their design widths widened to fit.
std::vector<FileColumn> columnsToFit(std::vector<FileColumn> columns, const QFontMetrics& metrics);

// A tool window's least size: the top panel's right edge plus 3 pixels, at most the screen's
// width less 10, and twice the panel's bottom edge; both design edges scaled to the screen.
QSize minimumWindowSize(int panelRightEdge, int panelBottomEdge, double pixelsPerInch, int screenWidth);
// Applies it to the window, on the screen the window is on.
void applyMinimumWindowSize(QWidget* window, int panelRightEdge, int panelBottomEdge);

// "Shrink top panel" and "Restore top panel": the first hides the window's top panel and gives
// way to the second, which brings the panel back at the height it had.
class TopPanelActions : public QObject {
  Q_OBJECT

 public:
  explicit TopPanelActions(QObject* parent = nullptr);

  void setPanel(QWidget* panel) { panel_ = panel; }
  QAction* shrinkAction() const { return shrink_; }
  QAction* restoreAction() const { return restore_; }

 private:
  void showPanel(bool shown);

  QWidget* panel_ = nullptr;
  QAction* shrink_;
  QAction* restore_;
};

}  // namespace tessaly
