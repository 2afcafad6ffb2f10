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

  // Calls use(row, file) once for every row, with nullptr for a blank row, in the order of the
  // files rather than of the rows. After a sort the rows' files lie scattered in memory; taken
  // in their own order the files and their names are read front to back, several times faster.
  template <typename Use>
  void forEachRowFile(Use use) const {
    const std::vector<FoundFile>& all = files_->files();
    for (const auto& [file, row] : rowsByFile()) use(row, file == kNoFile ? nullptr : &all[file]);
  }

  qsizetype rowCount() const override { return qsizetype(rows.size()); }
  bool shaded(qsizetype row) const override { return rows[size_t(row)].shaded; }
  std::optional<quint32> cellColour(qsizetype) const override { return std::nullopt; }
  QString filePath(qsizetype row) const override;
  void sortRows(SortKey key, int column, bool descending) override;

 protected:
  QString formCell(qsizetype row, int column, StampTexts* repeated) const override;

 private:
  // Each row's file and row number, in the order of the files; blank rows last.
  std::vector<std::pair<quint32, quint32>> rowsByFile() const;

  std::shared_ptr<const FoundFiles> files_;
  std::vector<FileColumn> columns_;
};

}  // namespace tessaly
