#pragma once

#include "core/common/dos_time.h"
#include "platform/directory_reader.h"

namespace tessaly {

// Hidden is a leading dot.
inline bool isHiddenName(const char* name) { return name[0] == '.'; }
// The attribute bits (directory_walk.h) of the entry called name, from one look at it.
quint8 entryAttributes(const char* name, const platform::EntryStatus& status);
// A host time (seconds since the epoch) as the packed local stamp.
DosStamp localStamp(qint64 secondsSinceEpoch);
// The three stamps of an entry; the creation stamp is 0 where the file system records none.
struct EntryStamps {
  DosStamp access = 0;
  DosStamp write = 0;
  DosStamp creation = 0;
};
EntryStamps entryStamps(const platform::EntryStatus& status);

}  // namespace tessaly
