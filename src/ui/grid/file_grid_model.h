#pragma once

#include "core/grid/file_table.h"
#include "core/grid/marked_files.h"
#include "ui/grid/grid_table_model.h"

namespace tessaly {

// The model of a grid of files. A row shows the mark when its file is among the marked files,
// wherever sorting has moved the row.
class FileGridModel : public GridTableModel {
  Q_OBJECT

 public:
  explicit FileGridModel(const MarkedFiles& marks, QObject* parent = nullptr);

  const FileTable& table() const override { return table_; }
  // A new list of rows: a search's or a folder listing's result.
  void resetTable(FileTable table);
  // The heading row alone.
  void clearRows();

 protected:
  GridTable& mutableTable() override { return table_; }
  bool isMarked(int row) const override;

 private:
  const MarkedFiles& marks_;
  FileTable table_;
};

}  // namespace tessaly
