#include "core/deletion/folder_walk.h"

#include <cstring>

#include "platform/folder_removal.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

using platform::EntryStatus;
using platform::OpenFolder;

bool sameEntry(const EntryStatus& a, const EntryStatus& b) { return a.device == b.device && a.inode == b.inode; }

const QString kChangedDuringRun = QStringLiteral("it changed during the run");

}  // namespace

FolderWalk::FolderWalk(FolderWalkVisitor& visitor, std::function<void()> pump, std::function<bool()> stop)
    : visitor_(visitor),
      pump_(std::move(pump)),
      stop_(std::move(stop)),
      // The other half is left to the folders whose files wait for their archive to be saved.
      descriptorBudget_(std::max(4, platform::folderDescriptorBudget() / 2)) {}

void FolderWalk::run(const SharedFolder& top, const QString& topPath) {
  levels_.clear();
  lowestOpen_ = 1;
  path_ = topPath;
  Level& first = levels_.emplace_back();
  first.folder = top;
  top->status(&first.status);
  first.pathLength = path_.size();
  first.listing.read(*top);
  first.next = first.listing.begin();
  int depth = 0;
  while (depth >= 0 && !stop_()) {
    Level& level = levels_[size_t(depth)];
    if (!(level.next != level.listing.end())) {
      leave(depth--);
      continue;
    }
    const char* name = (*level.next).name;
    ++level.next;
    pump_();
    if (!ensureOpen(depth)) {
      level.next = level.listing.end();
      continue;
    }
    EntryStatus status;
    if (!level.folder->entryStatus(name, &status)) continue;  // gone since the listing
    if (status.kind == EntryStatus::Folder) {
      if (enterSubFolder(depth, name, status)) ++depth;
    } else {
      pathTo(depth);
      appendName(name);
      visitor_.entryReached({level.folder, name, path_, status});
    }
  }
}

bool FolderWalk::enterSubFolder(int depth, const char* name, const EntryStatus& status) {
  pathTo(depth);
  appendName(name);
  if (platform::isOtherMount(status, levels_.front().status)) {
    visitor_.otherMountReached(path_);
    return false;
  }
  QString reason;
  OpenFolder child = platform::openSubFolder(*levels_[size_t(depth)].folder, name, &reason);
  EntryStatus opened;
  if (child.isOpen() && (!child.status(&opened) || !sameEntry(opened, status))) reason = kChangedDuringRun;
  if (!child.isOpen() || reason == kChangedDuringRun) {
    visitor_.folderNotOpened(path_, reason);
    return false;
  }
  const size_t childDepth = size_t(depth) + 1;
  if (levels_.size() <= childDepth) levels_.emplace_back();
  Level& sub = levels_[childDepth];
  sub.folder = std::make_shared<const OpenFolder>(std::move(child));
  sub.name = QByteArray(name);
  sub.status = opened;
  sub.pathLength = path_.size();
  sub.listing.read(*sub.folder);  // a folder that stops answering keeps what it listed
  sub.next = sub.listing.begin();
  giveBackDescriptors(int(childDepth));
  return true;
}

void FolderWalk::leave(int depth) {
  Level& level = levels_[size_t(depth)];
  level.folder.reset();
  level.listing.clear();
  if (depth == 0 || !ensureOpen(depth - 1)) return;
  pathTo(depth);
  visitor_.folderDone({levels_[size_t(depth) - 1].folder, level.name.constData(), path_, level.status});
}

// Opens a level again from the nearest open level above it, name by name; each folder must be
// the very one walked before, or the level is left as it is.
bool FolderWalk::ensureOpen(int depth) {
  if (levels_[size_t(depth)].folder) return true;
  int open = depth - 1;
  while (!levels_[size_t(open)].folder) --open;
  for (int at = open + 1; at <= depth; ++at) {
    Level& level = levels_[size_t(at)];
    OpenFolder folder = levels_[size_t(at) - 1].folder->openChild(level.name.constData());
    EntryStatus status;
    if (!folder.isOpen() || !folder.status(&status) || !sameEntry(status, level.status)) {
      pathTo(depth);
      visitor_.folderNotOpened(path_, kChangedDuringRun);
      return false;
    }
    level.folder = std::make_shared<const OpenFolder>(std::move(folder));
  }
  lowestOpen_ = std::min(lowestOpen_, open + 1);
  giveBackDescriptors(depth);
  return true;
}

// Keeps the open folders within the budget by closing the uppermost ones; the top stays open.
void FolderWalk::giveBackDescriptors(int depth) {
  while (depth - lowestOpen_ + 2 > descriptorBudget_ && lowestOpen_ < depth) levels_[size_t(lowestOpen_++)].folder.reset();
}

void FolderWalk::pathTo(int depth) { path_.truncate(levels_[size_t(depth)].pathLength); }

void FolderWalk::appendName(const char* name) {
  platform::decodePathInto(name, qsizetype(std::strlen(name)), &name_);
  path_ += u'/';
  path_ += name_;
}

}  // namespace tessaly
