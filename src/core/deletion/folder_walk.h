#pragma once

#include <QByteArray>
#include <QString>
#include <deque>
#include <functional>
#include <memory>

#include "platform/directory_reader.h"

namespace tessaly {

using SharedFolder = std::shared_ptr<const platform::OpenFolder>;

// One entry of the tree as the walk reaches it: the open folder that holds it and its name
// there, so that whatever is done to it is done through that folder.
struct ReachedEntry {
  const SharedFolder& folder;
  const char* name;
  const QString& path;
  const platform::EntryStatus& status;
};

// What a folder run does with the entries of its tree.
class FolderWalkVisitor {
 public:
  virtual ~FolderWalkVisitor() = default;
  // A file, link, socket or device.
  virtual void entryReached(const ReachedEntry& entry) = 0;
  // A sub-folder whose contents have all been reached; its folder still holds it.
  virtual void folderDone(const ReachedEntry& folder) { Q_UNUSED(folder) }
  // A sub-folder on another mounted file system: never entered.
  virtual void otherMountReached(const QString& path) = 0;
  // A sub-folder that cannot be opened (no access, or it changed during the run).
  virtual void folderNotOpened(const QString& path, const QString& reason) = 0;
};

// The walk of a folder run over one opened folder, depth first, every entry in the order the
// file system lists it, hidden ones included. It never follows a link and never enters another
// mounted file system; every sub-folder is opened by name relative to its open parent.
// Only the deepest levels keep their folder open: an upper level that gave its descriptor back
// is opened again from the top, name by name, each checked to be the very folder it was.
class FolderWalk {
 public:
  // pump runs before every entry; the walk stops at the next entry once stop() is true.
  FolderWalk(FolderWalkVisitor& visitor, std::function<void()> pump, std::function<bool()> stop);
  void run(const SharedFolder& top, const QString& topPath);

 private:
  struct Level {
    SharedFolder folder;
    platform::FolderListing listing;
    platform::FolderListing::Iterator next{nullptr, nullptr};
    QByteArray name;  // in the parent folder
    platform::EntryStatus status;
    qsizetype pathLength = 0;
  };

  bool enterSubFolder(int depth, const char* name, const platform::EntryStatus& status);
  void reachEntry(int depth, const char* name);
  void leave(int depth);
  bool ensureOpen(int depth);
  void giveBackDescriptors(int depth);
  void pathTo(int depth);
  void appendName(const char* name);

  FolderWalkVisitor& visitor_;
  std::function<void()> pump_;
  std::function<bool()> stop_;
  const int descriptorBudget_;
  std::deque<Level> levels_;  // deque: a level stays put while deeper ones are added
  int lowestOpen_ = 0;        // levels above this one (but the top) have given back their descriptor
  QString path_;
  QString name_;  // reused, so a name is decoded into existing storage
};

}  // namespace tessaly
