#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tessaly {

// One file the user approved for removal, as it was when the run was planned.
struct PlannedRemoval {
  QString path;
  qint64 size = 0;
  qint64 modifiedSeconds = 0;
  qint32 modifiedNanoseconds = 0;
  bool regularFile = false;
};

// The files in the order given, each looked at once.
std::vector<PlannedRemoval> planRemovals(const QStringList& paths);

// Still there, still a regular file of the same size and modification time: what the user
// saw is what gets removed.
bool stillAsPlanned(const PlannedRemoval& planned);

}  // namespace tessaly
