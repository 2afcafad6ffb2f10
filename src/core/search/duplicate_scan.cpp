#include "core/search/duplicate_search.h"

namespace tessaly {

void DuplicateSearch::scan(const QList<WalkRoot>& roots, WalkPacer* pacer) {
  collection_.clear();
  table_ = FileTable{};
  aborted_ = false;
  CollectingVisitor visitor(collection_, settings_.limits);
  WalkRequest request;
  request.pattern = settings_.pattern;
  request.fileMask = kDuplicatesMask;
  DirectoryWalk walk(request, visitor, pacer);
  walk_ = &walk;
  walk.walkRoots(roots);
  walk_ = nullptr;
  present(pacer);
}

}  // namespace tessaly
