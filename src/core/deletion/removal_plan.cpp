#include "core/deletion/removal_plan.h"

#include "platform/directory_reader.h"

namespace tessaly {
namespace {

PlannedRemoval lookAt(const QString& path) {
  platform::EntryStatus status;
  PlannedRemoval planned;
  planned.path = path;
  planned.regularFile = platform::pathStatus(path, &status) && status.kind == platform::EntryStatus::File;
  if (planned.regularFile) {
    planned.size = status.size;
    planned.modifiedSeconds = status.writeSeconds;
    planned.modifiedNanoseconds = status.writeNanoseconds;
  }
  return planned;
}

}  // namespace

std::vector<PlannedRemoval> planRemovals(const QStringList& paths) {
  std::vector<PlannedRemoval> plan;
  plan.reserve(size_t(paths.size()));
  for (const QString& path : paths) plan.push_back(lookAt(path));
  return plan;
}

bool stillAsPlanned(const PlannedRemoval& planned) {
  const PlannedRemoval now = lookAt(planned.path);
  return planned.regularFile && now.regularFile && now.size == planned.size &&
         now.modifiedSeconds == planned.modifiedSeconds && now.modifiedNanoseconds == planned.modifiedNanoseconds;
}

}  // namespace tessaly
