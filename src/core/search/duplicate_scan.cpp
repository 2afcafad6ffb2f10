#include "core/search/duplicate_search.h"

namespace tessaly {

void DuplicateSearch::scan(const QList<WalkRoot>& roots, WalkPacer* pacer,
                           const std::function<void(DirectoryWalk&)>& started) {
  collection_.clear();
  table_ = FileTable{};
  aborted_ = false;
  CollectingVisitor visitor(collection_, settings_.limits);
  WalkRequest request;
  request.pattern = settings_.pattern;
  request.fileMask = kDuplicatesMask;
  DirectoryWalk walk(request, visitor, pacer);
  walk_ = &walk;
  if (started) started(walk);
  walk.walkRoots(roots);
  // The walk stays known while "Same contents" reads: a window aborts through it.
  present(pacer);
  walk_ = nullptr;
}

}  // namespace tessaly
