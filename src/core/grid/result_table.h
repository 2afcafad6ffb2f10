#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/grid/grid_table.h"

namespace tessaly {

// One row of a text grid: its cells and the extras the windows attach.
struct ResultRow {
  QStringList cells;
  bool marked = false;
  bool shaded = false;                // group parity of the duplicate windows
  std::optional<quint32> cellColour = std::nullopt;  // 0xRRGGBB background of the row's cells
};

// A grid whose cells are texts: folder hogs' result lines and any grid built cell by cell.
class ResultTable final : public GridTable {
 public:
  std::vector<ResultRow> rows;

  qsizetype rowCount() const override { return qsizetype(rows.size()); }
  bool shaded(qsizetype row) const override { return rows[size_t(row)].shaded; }
  std::optional<quint32> cellColour(qsizetype row) const override { return rows[size_t(row)].cellColour; }
  void sortRows(SortKey key, int column, bool descending) override;

 protected:
  QString formCell(qsizetype row, int column, StampTexts*) const override {
    return rows[size_t(row)].cells.value(column);
  }
};

}  // namespace tessaly
