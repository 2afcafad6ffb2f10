#pragma once

#include <QtGlobal>
#include <unordered_set>

namespace tessaly {

// Tells a file reached a second time: through a root that lies inside another root, or by a
// second hard link. One device and inode is one file on the disk.
class SeenFiles {
 public:
  // True the first time the device and inode are offered.
  bool firstVisit(quint64 device, quint64 inode);
  void clear() { seen_.clear(); }

 private:
  struct Identity {
    quint64 device;
    quint64 inode;
    bool operator==(const Identity&) const = default;
  };
  struct IdentityHash {
    size_t operator()(const Identity& id) const noexcept { return size_t(id.inode * 0x9E3779B97F4A7C15ull ^ id.device); }
  };
  std::unordered_set<Identity, IdentityHash> seen_;
};

}  // namespace tessaly
