#pragma once

#include <QHash>
#include <QString>
#include <vector>

#include "core/common/dos_time.h"
#include "core/search/seen_files.h"
#include "core/walk/directory_walk.h"

namespace tessaly {

// One collected file. Kept small: a million of them must fit in little memory, so the
// folder and the type text are shared indexes rather than strings of their own.
struct FoundFile {
  QString name;
  qint64 size = 0;
  DosStamp writeStamp = 0;
  DosStamp accessStamp = 0;
  quint32 folder = 0;  // FileCollection::folderText
  quint32 type = 0;    // FileCollection::typeText
};

// The files of one search: what the walk accepted, each file once.
class FileCollection {
 public:
  FileCollection();

  // False when the same file (device and inode) has been collected already.
  bool add(const QString& folder, const WalkEntry& entry);
  void clear();

  std::vector<FoundFile>& files() { return files_; }
  const std::vector<FoundFile>& files() const { return files_; }
  const QString& folderText(const FoundFile& file) const { return folders_[file.folder]; }
  // The description of the file's extension; empty without one.
  const QString& typeText(const FoundFile& file) const { return types_[file.type].text; }
  // Sorts like the type text compared without regard to a-z case; equal texts share a rank.
  quint32 typeRank(const FoundFile& file) const { return types_[file.type].rank; }
  QString fullPath(const FoundFile& file) const;

 private:
  struct FileType {
    QString text;
    quint32 rank = 0;
  };
  quint32 folderIndex(const QString& folder);
  quint32 typeIndex(const QString& name);
  void rankTypes();

  std::vector<QString> folders_;
  std::vector<FileType> types_;
  QHash<QString, quint32> typeByExtension_;
  std::vector<FoundFile> files_;
  SeenFiles seen_;
};

// Compares with the letters a to z taken as A to Z and no other folding, after leading and
// trailing blanks are removed: the key comparison of the duplicate search.
int compareKeyText(QStringView a, QStringView b);

}  // namespace tessaly
