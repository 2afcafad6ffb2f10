#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tessaly {

enum class CellAlignment { Left, Right, Center };

// One row of a result grid: its text cells and the extras the windows attach.
struct ResultRow {
  QStringList cells;
  bool marked = false;
  bool shaded = false;                // group parity of the duplicate windows
  std::optional<quint32> cellColour;  // 0xRRGGBB background of the row's cells
};

// A result grid without widgets: the heading row, the data rows and the column layout.
// Windows show it through a model; reports and the command line read it directly.
struct ResultTable {
  QStringList headings;
  std::vector<CellAlignment> alignment;  // per column; missing columns are left-aligned
  std::vector<int> columnWidths;         // on-screen pixels, used by printed reports
  std::vector<ResultRow> rows;

  int columnCount() const { return int(headings.size()); }
  CellAlignment alignmentOf(int column) const {
    return column < int(alignment.size()) ? alignment[size_t(column)] : CellAlignment::Left;
  }
  // A column never sized by its window has the grid's default width.
  int widthOf(int column) const {
    return column < int(columnWidths.size()) ? columnWidths[size_t(column)] : kDefaultColumnWidth;
  }
  void setWidth(int column, int pixels) {
    if (column >= int(columnWidths.size())) columnWidths.resize(size_t(column) + 1, kDefaultColumnWidth);
    columnWidths[size_t(column)] = pixels;
  }

  static constexpr int kDefaultColumnWidth = 64;
};

}  // namespace tessaly
