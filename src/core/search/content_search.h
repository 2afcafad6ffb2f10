#pragma once

#include <vector>

#include "core/search/content_phase.h"
#include "core/search/content_runner.h"
#include "core/search/file_collection.h"

namespace tessaly {

// What the "Same contents" search found.
struct ContentGroups {
  // Collection indexes of files with equal bytes, each group in collection order, the groups
  // in the order of their first files. The empty files are one group.
  std::vector<std::vector<quint32>> groups;
  std::vector<quint32> unreadable;  // files that could not be read, each once
  std::vector<quint32> changed;     // files that changed during the search, left out
};

// Files are duplicates only when their bytes are equal: the phases narrow the collection's
// files from equal sizes to equal bytes, and nothing is called equal on a hash alone. The
// reading runs on a few threads of its own; the calling thread reports progress to the pacer.
class ContentSearch {
 public:
  explicit ContentSearch(ContentPacer* pacer = nullptr) : runner_(pacer) {}
  // A pacer that needs the search itself is given after it is made.
  void setPacer(ContentPacer* pacer) { runner_.setPacer(pacer); }

  ContentGroups run(const FileCollection& collection);
  // Safe from any thread, also from the pacer's calls: the search stops after the blocks
  // being read, and the groups proven so far are its result.
  void abort() { runner_.abort(); }
  bool aborted() const { return runner_.aborted(); }

 private:
  PhaseRunner runner_;
};

}  // namespace tessaly
