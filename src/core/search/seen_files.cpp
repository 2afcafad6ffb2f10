#include "core/search/seen_files.h"

namespace tessaly {

bool SeenFiles::firstVisit(quint64 device, quint64 inode) {
  // Entries without an identity (a walk fed by hand) are never taken for one another.
  if (device == 0 && inode == 0) return true;
  return seen_.insert(Identity{device, inode}).second;
}

}  // namespace tessaly
