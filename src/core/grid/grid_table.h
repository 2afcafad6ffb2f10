#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tessaly {

class StampTexts;

enum class CellAlignment { Left, Right, Center };

// The three sort rules of the result grids: a cell read as text, as a number or as a date.
enum class SortKey { Text, Number, Date };

// A result grid without widgets: the heading row, the column layout and the data rows.
// Windows show it through a model; printed reports, the clipboard, web pages and the command
// line read its cells as texts. The rows hold texts (ResultTable) or refer to the files they
// list (FileTable), whose texts are formed only when a cell is read.
class GridTable {
 public:
  virtual ~GridTable() = default;

  QStringList headings;
  std::vector<CellAlignment> alignment;  // per column; missing columns are left-aligned
  std::vector<int> columnWidths;         // on-screen pixels, used by printed reports

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

  virtual qsizetype rowCount() const = 0;
  // A cell's text as the user sees it. Readers of many rows pass one StampTexts for the whole
  // run: a million rows show only a few thousand distinct dates and times.
  QString cellText(qsizetype row, int column) const { return formCell(row, column, nullptr); }
  QString cellText(qsizetype row, int column, StampTexts& repeated) const { return formCell(row, column, &repeated); }
  // The group parity of the duplicate windows' rows.
  virtual bool shaded(qsizetype row) const = 0;
  // 0xRRGGBB background of the row's cells, where the row has a colour of its own.
  virtual std::optional<quint32> cellColour(qsizetype row) const = 0;
  // The full path of the file the row lists; empty for a row that lists no file.
  virtual QString filePath(qsizetype row) const { Q_UNUSED(row) return {}; }
  // Sorts every data row by one column with one of the three rules; rows move whole. The sort
  // is stable, and descending puts the largest key first.
  virtual void sortRows(SortKey key, int column, bool descending) = 0;

  static constexpr int kDefaultColumnWidth = 64;

 protected:
  GridTable() = default;
  GridTable(const GridTable&) = default;
  GridTable(GridTable&&) = default;
  GridTable& operator=(const GridTable&) = default;
  GridTable& operator=(GridTable&&) = default;

  virtual QString formCell(qsizetype row, int column, StampTexts* repeated) const = 0;
};

}  // namespace tessaly
