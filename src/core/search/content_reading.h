#pragma once

#include "core/search/content_candidates.h"
#include "core/search/content_runner.h"
#include "platform/read_only_file.h"

namespace tessaly {

// Large files are read in blocks of this size: few calls, and an abort is seen soon.
inline constexpr qint64 kLargeBlockSize = 1024 * 1024;

// Opens a candidate for one phase. The first opening notes what the file is; every later one
// must find it unchanged. False, with the candidate's state telling why, when it cannot be read.
bool openCandidate(ContentCandidate& candidate, platform::ReadOnlyFile& file);
// After the last reading of a phase: false, and the candidate marked changed, when the file
// changed while it was read.
bool stillUnchanged(ContentCandidate& candidate, const platform::ReadOnlyFile& file);

// The XXH3 hash of the bytes [from, to), read a large block at a time; each block is counted
// in the runner's progress. False when a read fails (the candidate's state set) or on abort.
bool hashPart(ContentCandidate& candidate, const platform::ReadOnlyFile& file, qint64 from, qint64 to,
              PhaseRunner& runner, quint64* hash);

// One block read for comparing. A block inside a hole of a sparse file is not read: it is
// all zeros.
struct ReadBlock {
  const char* bytes = nullptr;  // nullptr: zeros
  qint64 length = 0;
};
// Reads [offset, offset + length) into buffer, which holds at least length bytes. False, with
// the candidate's state set, after a read error or when the file ends early.
bool readBlock(ContentCandidate& candidate, const platform::ReadOnlyFile& file, qint64 offset, qint64 length,
               char* buffer, ReadBlock* block);
bool sameBytes(const ReadBlock& a, const ReadBlock& b);

}  // namespace tessaly
