#pragma once

#include <QString>
#include <vector>

#include "platform/read_only_file.h"

namespace tessaly {

// Where a candidate stands after the phases so far.
enum class CandidateState : quint8 {
  Unopened,    // not read yet
  Readable,    // read, and unchanged since its first opening
  Unreadable,  // could not be opened or read
  Changed,     // its size or times differ from its first opening, or its bytes ran short
};

// One file on its way through the phases of the "Same contents" search.
struct ContentCandidate {
  QString path;
  qint64 size = 0;   // as the walk found it
  quint32 file = 0;  // its index in the collection
  CandidateState state = CandidateState::Unopened;
  platform::ReadOnlyFile::Version version;  // taken at its first opening
  quint64 hash = 0;                         // of the part the last phase read
};

// Files that may still hold equal bytes: all of one size, in collection order.
using CandidateGroup = std::vector<ContentCandidate>;

// The hash phases read each byte of a file once: the first block, then the last block (at
// most a block, after the first), then the middle between them.
inline constexpr qint64 kFirstBlockSize = 16 * 1024;
inline constexpr qint64 kLastBlockSize = 16 * 1024;

struct FileParts {
  qint64 firstEnd = 0;   // the first block is [0, firstEnd)
  qint64 lastStart = 0;  // the last block is [lastStart, size), the middle [firstEnd, lastStart)
};
FileParts partsOf(qint64 size);

// Splits every group into runs of equal hashes, each in collection order, and drops the runs
// of one file.
std::vector<CandidateGroup> splitByHash(std::vector<CandidateGroup> groups);

}  // namespace tessaly
