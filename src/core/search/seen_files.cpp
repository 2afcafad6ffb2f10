#include "core/search/seen_files.h"

namespace tessaly {
namespace {

size_t slotOf(quint64 device, quint64 inode, size_t mask) {
  quint64 h = (inode ^ (device * 0x9E3779B97F4A7C15ull)) * 0xBF58476D1CE4E5B9ull;
  return size_t(h ^ (h >> 31)) & mask;
}

}  // namespace

void SeenFiles::clear() {
  slots_.clear();
  used_ = 0;
}

bool SeenFiles::firstVisit(quint64 device, quint64 inode) {
  // Entries without an inode (a walk fed by hand) are never taken for one another.
  if (inode == 0) return true;
  if ((used_ + 1) * 2 > slots_.size()) grow();
  const size_t mask = slots_.size() - 1;
  for (size_t i = slotOf(device, inode, mask);; i = (i + 1) & mask) {
    Identity& slot = slots_[i];
    if (slot.inode == 0) {
      slot = Identity{device, inode};
      ++used_;
      return true;
    }
    if (slot.inode == inode && slot.device == device) return false;
  }
}

void SeenFiles::grow() {
  std::vector<Identity> old = std::move(slots_);
  slots_.assign(old.empty() ? 1024 : old.size() * 2, Identity{});
  const size_t mask = slots_.size() - 1;
  for (const Identity& id : old) {
    if (id.inode == 0) continue;
    size_t i = slotOf(id.device, id.inode, mask);
    while (slots_[i].inode != 0) i = (i + 1) & mask;
    slots_[i] = id;
  }
}

}  // namespace tessaly
