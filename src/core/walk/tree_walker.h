#pragma once

#include <QByteArray>
#include <QString>
#include <deque>

#include "core/walk/directory_walk.h"
#include "platform/directory_reader.h"

namespace tessaly {

// The walk of one opened root. Levels are kept on an explicit stack, so a tree of any depth
// walks without deep recursion, and only the deepest levels keep their folder open: an
// upper level whose descriptor was given back is opened again, name by name, on return.
class TreeWalker {
 public:
  TreeWalker(const WalkRequest& request, WalkVisitor& visitor, WalkPacer* pacer, const bool& aborted);
  void run(platform::OpenFolder root, const platform::EntryStatus& rootStatus, const QString& rootPath);

 private:
  enum class Phase { SubFolders, Files, Done };
  struct Level {
    platform::OpenFolder folder;
    platform::FolderListing listing;
    platform::FolderListing::Iterator next{nullptr, nullptr};
    QByteArray name;  // in the parent folder
    qsizetype pathLength = 0;
    quint64 device = 0;
    quint64 inode = 0;
    Phase phase = Phase::SubFolders;
    bool listedAnything = false;   // an entry the sub-folder listing returns
    bool enteredSubFolder = false;
  };

  void enter(int depth);
  bool enterNextSubFolder(int depth);
  void scanFiles(int depth);
  void leave(int depth);
  void unwind(int depth);
  bool ensureOpen(int depth);
  void giveBackDescriptors(int depth);
  void pathTo(int depth);
  void fillEntry(const platform::EntryStatus& status);

  const WalkRequest& request_;
  WalkVisitor& visitor_;
  WalkPacer* pacer_;
  const bool& aborted_;
  const bool everyName_;
  const int descriptorBudget_;

  std::deque<Level> levels_;  // deque: a level stays put while deeper ones are added
  int lowestOpen_ = 0;        // levels above this one have given back their descriptor
  platform::EntryStatus rootStatus_;  // tells another drive
  QString rootPath_;
  QString path_;              // the path of the level being worked on
  WalkEntry entry_;           // reused, so a name is copied into existing storage
};

}  // namespace tessaly
