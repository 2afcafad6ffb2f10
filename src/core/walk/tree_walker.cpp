#include "core/walk/tree_walker.h"

#include "core/walk/entry_facts.h"

#include "platform/host_path.h"

namespace tessaly {
namespace {

using platform::EntryStatus;
using platform::ListedType;
using platform::OpenFolder;

// A name keeps every byte the file system gave it, so the file can be reached again.
void decodeName(const char* name, QString* into) { platform::decodePathInto(name, qsizetype(qstrlen(name)), into); }

}  // namespace

TreeWalker::TreeWalker(const WalkRequest& request, WalkVisitor& visitor, WalkPacer* pacer, const bool& aborted)
    : request_(request),
      visitor_(visitor),
      pacer_(pacer),
      aborted_(aborted),
      everyName_(request.pattern == QStringLiteral("*.*") || request.pattern == QStringLiteral("*")),
      descriptorBudget_(platform::folderDescriptorBudget()) {}

void TreeWalker::run(OpenFolder root, const EntryStatus& rootStatus, const QString& rootPath) {
  rootPath_ = rootPath;
  path_ = rootPath;
  Level& top = levels_.emplace_back();
  top.folder = std::move(root);
  top.device = rootStatus.device;
  top.inode = rootStatus.inode;
  top.pathLength = path_.size();
  rootStatus_ = rootStatus;
  enter(0);
  int depth = 0;
  while (depth >= 0) {
    if (aborted_) {
      unwind(depth);
      return;
    }
    Level& level = levels_[size_t(depth)];
    switch (level.phase) {
      case Phase::SubFolders:
        if (enterNextSubFolder(depth)) ++depth;
        break;
      case Phase::Files:
        scanFiles(depth);
        level.phase = Phase::Done;
        break;
      case Phase::Done:
        leave(depth);
        --depth;
        break;
    }
  }
}

void TreeWalker::enter(int depth) {
  Level& level = levels_[size_t(depth)];
  level.phase = Phase::SubFolders;
  level.listedAnything = false;
  level.enteredSubFolder = false;
  visitor_.folderEntered(path_, depth);
  if (pacer_) pacer_->progress(path_);
  level.listing.read(level.folder);  // a folder that stops answering keeps what it listed
  level.next = level.listing.begin();
}

// Advances the sub-folder listing to the next folder that can be entered and enters it;
// at the end of the listing the level moves on to its files.
bool TreeWalker::enterNextSubFolder(int depth) {
  Level& level = levels_[size_t(depth)];
  const auto end = level.listing.end();
  while (level.next != end && !aborted_) {
    const platform::FolderListing::Entry listed = *level.next;
    ++level.next;
    if (pacer_) pacer_->pump();
    // Hidden folders are never entered; links, devices and the like are never looked into.
    if (isHiddenName(listed.name) || listed.type == ListedType::Other) continue;
    if (listed.type == ListedType::File) {
      level.listedAnything = true;
      continue;
    }
    if (!ensureOpen(depth)) {
      level.phase = Phase::Done;  // the folder is gone from where it was
      return false;
    }
    EntryStatus status;
    if (!level.folder.entryStatus(listed.name, &status) || status.kind == EntryStatus::Other) continue;
    level.listedAnything = true;
    if (status.kind != EntryStatus::Folder || platform::isOtherMount(status, rootStatus_)) continue;
    OpenFolder child = level.folder.openChild(listed.name);
    if (!child.isOpen()) continue;  // no access: skipped without a message

    const int childDepth = depth + 1;
    if (levels_.size() <= size_t(childDepth)) levels_.emplace_back();
    Level& sub = levels_[size_t(childDepth)];
    sub.folder = std::move(child);
    sub.name = QByteArray(listed.name);
    sub.device = status.device;
    sub.inode = status.inode;
    pathTo(depth);
    if (!path_.endsWith(u'/')) path_ += u'/';
    path_ += platform::decodePath(listed.name, qsizetype(qstrlen(listed.name)));
    sub.pathLength = path_.size();
    level.enteredSubFolder = true;
    giveBackDescriptors(childDepth);
    enter(childDepth);
    return true;
  }
  if (aborted_) return false;
  const bool skipFiles = depth == 0 && request_.skipFilesWhenListingIsEmpty && !level.listedAnything;
  level.phase = skipFiles ? Phase::Done : Phase::Files;
  return false;
}

void TreeWalker::scanFiles(int depth) {
  Level& level = levels_[size_t(depth)];
  pathTo(depth);
  visitor_.fileScanBegins(path_, depth);
  // The status showed the last sub-folder; it names this folder again for its files.
  if (level.enteredSubFolder && pacer_) pacer_->progress(path_);
  if (!ensureOpen(depth)) return;
  const quint8 mask = request_.fileMask;
  for (const platform::FolderListing::Entry listed : level.listing) {
    if (aborted_) return;
    // The listing alone refuses most entries the mask leaves out, before any look at them.
    const quint8 known = (isHiddenName(listed.name) ? HiddenAttribute : 0) |
                         (listed.type == ListedType::Folder  ? DirectoryAttribute
                          : listed.type == ListedType::Other ? SystemAttribute
                                                             : 0);
    if (listed.type != ListedType::Unknown && !passesMask(known, mask)) continue;
    if (!everyName_) {
      decodeName(listed.name, &entry_.name);
      if (!matchesPattern(entry_.name, request_.pattern)) continue;
    }
    EntryStatus status;
    if (!level.folder.entryStatus(listed.name, &status)) continue;
    const quint8 attributes = entryAttributes(listed.name, status);
    if (!passesMask(attributes, mask)) continue;
    if (everyName_) decodeName(listed.name, &entry_.name);
    entry_.attributes = attributes;
    fillEntry(status);
    visitor_.entryFound(path_, entry_);
    if (pacer_) pacer_->pump();
  }
}

void TreeWalker::leave(int depth) {
  Level& level = levels_[size_t(depth)];
  pathTo(depth);
  level.folder.close();
  level.listing.clear();
  visitor_.folderLeft(path_, depth);
}

void TreeWalker::unwind(int depth) {
  for (int d = depth; d >= 0; --d) leave(d);
}

// Opens a level again whose descriptor was given back: from the root by its path, then name
// by name, each checked to be the very folder walked before. The levels just above it keep
// their new descriptors, so the next returns cost nothing.
bool TreeWalker::ensureOpen(int depth) {
  if (levels_[size_t(depth)].folder.isOpen()) return true;
  const int keepFrom = qMax(0, depth - descriptorBudget_ / 2);
  const auto isSame = [this](const OpenFolder& folder, int at) {
    EntryStatus status;
    const Level& level = levels_[size_t(at)];
    return folder.isOpen() && folder.status(&status) && status.device == level.device && status.inode == level.inode;
  };
  OpenFolder current = OpenFolder::openRoot(rootPath_);
  for (int at = 0;; ++at) {
    if (!isSame(current, at)) return false;
    if (at == depth) break;
    OpenFolder child = current.openChild(levels_[size_t(at + 1)].name.constData());
    if (at >= keepFrom) levels_[size_t(at)].folder = std::move(current);
    current = std::move(child);
  }
  levels_[size_t(depth)].folder = std::move(current);
  lowestOpen_ = keepFrom;
  return true;
}

// Keeps the number of open folders within the budget by closing the uppermost ones.
void TreeWalker::giveBackDescriptors(int depth) {
  lowestOpen_ = qMin(lowestOpen_, depth);
  while (depth - lowestOpen_ + 1 > descriptorBudget_) levels_[size_t(lowestOpen_++)].folder.close();
}

void TreeWalker::pathTo(int depth) { path_.truncate(levels_[size_t(depth)].pathLength); }

void TreeWalker::fillEntry(const EntryStatus& status) {
  entry_.size = status.size;
  const EntryStamps stamps = entryStamps(status);
  entry_.accessStamp = stamps.access;
  entry_.writeStamp = stamps.write;
  entry_.creationStamp = stamps.creation;
  entry_.device = status.device;
  entry_.inode = status.inode;
}

}  // namespace tessaly
