#pragma once

#include <QtGlobal>
#include <vector>

namespace tessaly {

// Tells a file reached a second time: through a root that lies inside another root, or by a
// second hard link. One device and inode is one file on the disk.
class SeenFiles {
 public:
  // True the first time the device and inode are offered.
  bool firstVisit(quint64 device, quint64 inode);
  void clear();

 private:
  struct Identity {
    quint64 device = 0;
    quint64 inode = 0;  // 0: a free slot
  };
  void grow();

  // Open addressing with linear probing: a walk offers a million files, each once or twice.
  std::vector<Identity> slots_;
  size_t used_ = 0;
};

}  // namespace tessaly
