#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "core/grid/found_files.h"
#include "core/search/seen_files.h"
#include "core/walk/directory_walk.h"

namespace tessaly {

// The files of one search: what the walk accepted, each file once. The files live in a
// FoundFiles that the result grid shares, so the grid keeps them when the next search starts.
class FileCollection {
 public:
  FileCollection();

  // False when the same file (device and inode) has been collected already.
  bool add(const QString& folder, const WalkEntry& entry);
  // Starts a new, empty set of files; grids made from the old one keep it.
  void clear();

  // The files may be reordered (sortCollection) until a grid shares them.
  std::vector<FoundFile>& files() { return files_->files(); }
  const std::vector<FoundFile>& files() const { return files_->files(); }
  const QString& folderText(const FoundFile& file) const { return files_->folderText(file); }
  // The description of the file's extension; empty without one.
  const QString& typeText(const FoundFile& file) const { return files_->typeText(file); }
  // Sorts like the type text compared without regard to a-z case; equal texts share a rank.
  quint32 typeRank(const FoundFile& file) const { return typeRanks_[file.type]; }
  QString fullPath(const FoundFile& file) const { return files_->fullPath(file); }
  std::shared_ptr<const FoundFiles> shared() const { return files_; }

 private:
  void rankTypes();

  std::shared_ptr<FoundFiles> files_;
  std::vector<quint32> typeRanks_;
  SeenFiles seen_;
};

// Compares with the letters a to z taken as A to Z and no other folding, after leading and
// trailing blanks are removed: the key comparison of the duplicate search.
int compareKeyText(QStringView a, QStringView b);

}  // namespace tessaly
