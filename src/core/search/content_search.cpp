#include "core/search/content_search.h"

#include <algorithm>

#include "core/search/content_stages.h"

namespace tessaly {

ContentGroups ContentSearch::run(const FileCollection& collection) {
  SizeClasses sizes = groupBySize(collection, runner_);
  std::vector<CandidateGroup> groups = narrowByFirstBlock(std::move(sizes.groups), runner_);
  groups = narrowByLastBlock(std::move(groups), runner_);
  groups = narrowByWholeFile(std::move(groups), runner_);
  groups = confirmByBytes(std::move(groups), runner_);

  ContentGroups found;
  for (const CandidateGroup& group : groups) {
    std::vector<quint32>& files = found.groups.emplace_back();
    for (const ContentCandidate& candidate : group) files.push_back(candidate.file);
  }
  if (sizes.empties.size() >= 2) found.groups.push_back(std::move(sizes.empties));
  std::sort(found.groups.begin(), found.groups.end(),
            [](const std::vector<quint32>& a, const std::vector<quint32>& b) { return a.front() < b.front(); });
  found.unreadable = runner_.unreadable();
  found.changed = runner_.changed();
  return found;
}

}  // namespace tessaly
