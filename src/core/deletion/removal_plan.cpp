#include "core/deletion/removal_plan.h"

#include <QFileInfo>

namespace tessaly {
namespace {

PlannedRemoval lookAt(const QString& path) {
  const QFileInfo info(path);
  PlannedRemoval planned;
  planned.path = path;
  planned.regularFile = info.isFile() && !info.isSymLink();
  if (planned.regularFile) {
    planned.size = info.size();
    planned.modified = info.lastModified();
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
  return planned.regularFile && now.regularFile && now.size == planned.size && now.modified == planned.modified;
}

}  // namespace tessaly
