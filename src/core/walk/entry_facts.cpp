#include "core/walk/entry_facts.h"

#include <QDateTime>

#include "core/walk/directory_walk.h"

namespace tessaly {

quint8 entryAttributes(const char* name, const platform::EntryStatus& status) {
  quint8 attributes = 0;
  if (!status.ownerWritable) attributes |= ReadOnlyAttribute;
  if (isHiddenName(name)) attributes |= HiddenAttribute;
  if (status.kind == platform::EntryStatus::Folder) attributes |= DirectoryAttribute;
  if (status.kind == platform::EntryStatus::Other) attributes |= SystemAttribute;
  return attributes;
}

DosStamp localStamp(qint64 secondsSinceEpoch) {
  return packDosStamp(QDateTime::fromSecsSinceEpoch(platform::localWallSeconds(secondsSinceEpoch), Qt::UTC));
}

EntryStamps entryStamps(const platform::EntryStatus& status) {
  return {localStamp(status.accessSeconds), localStamp(status.writeSeconds),
          status.hasBirth ? localStamp(status.birthSeconds) : 0};
}

}  // namespace tessaly
