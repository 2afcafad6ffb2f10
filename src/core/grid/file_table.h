#pragma once

#include <memory>
#include <vector>

#include "core/grid/found_files.h"
#include "core/grid/grid_table.h"

namespace tessaly {

// What a column of a file grid shows of each file.
enum class FileValue : quint8 {
  Name,      // the file's name
  Path,      // its folder and name joined
  Folder,
  Size,      // bytes with thousands separators, right-aligned
  Modified,  // the date of the last write
  Time,      // the time of day of the last write
  Accessed,  // the date of the last access
  Created,   // the date of creation
  Type,      // the description of the extension
};

// A column of a file grid: its heading, what it shows and its width in pixels at 96 dots
// per inch; a column of kRestOfWidth shares what the others leave of the grid's width.
struct FileColumn {
  QString heading;
  FileValue value = FileValue::Name;
  int designWidth = kRestOfWidth;

  static constexpr int kRestOfWidth = -1;
};

// One row of a file grid: the file it lists and its group parity.
struct ResultEntry {
  quint32 file = 0;  // an index into the table's FoundFiles, or kNoFile
  bool shaded = false;
};
// The file of a blank row, which lists nothing and shows empty cells.
inline constexpr quint32 kNoFile = 0xFFFFFFFF;

// A grid whose rows refer to files: eight bytes a row. The cell texts are formed when a cell
// is read (painted, printed, copied, written), and the sorts compare the files' values
// directly, in exactly the order the rules give the texts.
class FileTable final : public GridTable {
 public:
  FileTable();
  FileTable(std::shared_ptr<const FoundFiles> files, const std::vector<FileColumn>& columns,
            std::vector<ResultEntry> rows = {});

  std::vector<ResultEntry> rows;

  const FoundFiles& files() const { return *files_; }
  const FileColumn& column(int column) const { return columns_[size_t(column)]; }
  FileValue valueOf(int column) const { return columns_[size_t(column)].value; }
  // nullptr for a blank row.
  const FoundFile* fileOf(qsizetype row) const {
    const quint32 file = rows[size_t(row)].file;
    return file == kNoFile ? nullptr : &files_->files()[file];
  }

  // Calls use(row, file) for every row in order, with nullptr for a blank row. After a sort
  // the rows' files lie scattered in memory, so the files of rows ahead, and their names, are
  // fetched early.
  template <typename Use>
  void forEachRowFile(Use use) const {
    constexpr size_t kFileAhead = 32;
    constexpr size_t kNameAhead = 16;
    const std::vector<FoundFile>& all = files_->files();
    const size_t count = rows.size();
    const auto fileAt = [&](size_t row) { return row < count && rows[row].file != kNoFile ? &all[rows[row].file] : nullptr; };
    for (size_t row = 0; row < count; ++row) {
      if (const FoundFile* ahead = fileAt(row + kFileAhead)) __builtin_prefetch(ahead);
      if (const FoundFile* ahead = fileAt(row + kNameAhead)) __builtin_prefetch(ahead->name.constData());
      use(quint32(row), fileAt(row));
    }
  }

  qsizetype rowCount() const override { return qsizetype(rows.size()); }
  bool shaded(qsizetype row) const override { return rows[size_t(row)].shaded; }
  std::optional<quint32> cellColour(qsizetype) const override { return std::nullopt; }
  QString filePath(qsizetype row) const override;
  void sortRows(SortKey key, int column, bool descending) override;

 protected:
  QString formCell(qsizetype row, int column, StampTexts* repeated) const override;

 private:
  std::shared_ptr<const FoundFiles> files_;
  std::vector<FileColumn> columns_;
};

}  // namespace tessaly
