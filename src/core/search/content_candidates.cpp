#include "core/search/content_candidates.h"

#include <algorithm>

namespace tessaly {

FileParts partsOf(qint64 size) {
  const qint64 firstEnd = std::min(size, kFirstBlockSize);
  return {firstEnd, std::max(firstEnd, size - kLastBlockSize)};
}

std::vector<CandidateGroup> splitByHash(std::vector<CandidateGroup> groups) {
  std::vector<CandidateGroup> split;
  split.reserve(groups.size());
  for (CandidateGroup& group : groups) {
    std::stable_sort(group.begin(), group.end(),
                     [](const ContentCandidate& a, const ContentCandidate& b) { return a.hash < b.hash; });
    for (auto run = group.begin(); run != group.end();) {
      const auto end = std::find_if(run, group.end(), [&](const ContentCandidate& c) { return c.hash != run->hash; });
      if (end - run >= 2) split.emplace_back(std::make_move_iterator(run), std::make_move_iterator(end));
      run = end;
    }
  }
  return split;
}

}  // namespace tessaly
