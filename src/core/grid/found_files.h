#pragma once

#include <QHash>
#include <QString>
#include <vector>

#include "core/common/dos_time.h"

namespace tessaly {

struct FileStamps {
  DosStamp write = 0;
  DosStamp access = 0;
  DosStamp creation = 0;  // 0 where the file system records none
};

// One listed file. Kept small: a million of them must fit in little memory, so the folder
// and the type text are shared indexes rather than strings of their own.
struct FoundFile {
  QString name;
  qint64 size = 0;
  DosStamp writeStamp = 0;
  DosStamp accessStamp = 0;
  DosStamp creationStamp = 0;
  quint32 folder = 0;  // FoundFiles::folderText
  quint32 type = 0;    // FoundFiles::typeText
};

// The files a tool lists (a search's collection, a walk's matches, a folder's listing) with
// the texts they share. Grids refer to the files by their index here.
class FoundFiles {
 public:
  FoundFiles();

  // Files handed over one folder after another share one folder text.
  void add(const QString& folder, const QString& name, qint64 size, const FileStamps& stamps);

  std::vector<FoundFile>& files() { return files_; }
  const std::vector<FoundFile>& files() const { return files_; }
  const QString& folderText(const FoundFile& file) const { return folders_[file.folder]; }
  // The description of the file's extension; empty without one.
  const QString& typeText(const FoundFile& file) const { return types_[file.type]; }
  // The folder and the name joined as joinPath joins them.
  QString fullPath(const FoundFile& file) const;

  const std::vector<QString>& folders() const { return folders_; }
  const std::vector<QString>& types() const { return types_; }

 private:
  quint32 folderIndex(const QString& folder);
  quint32 typeIndex(const QString& name);

  std::vector<QString> folders_;
  std::vector<QString> types_;  // index 0: no extension, the empty text
  QHash<QString, quint32> typeByExtension_;
  std::vector<FoundFile> files_;
};

}  // namespace tessaly
