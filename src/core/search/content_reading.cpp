#include "core/search/content_reading.h"

#include <xxhash.h>

#include <cstring>
#include <memory>
#include <vector>

namespace tessaly {
namespace {

// What a hole reads as.
const char* zeros() {
  static const std::vector<char> block(size_t(kLargeBlockSize), 0);
  return block.data();
}

bool allZero(const char* bytes, qint64 length) {
  for (qint64 offset = 0; offset < length; offset += kLargeBlockSize) {
    const qint64 part = std::min(kLargeBlockSize, length - offset);
    if (std::memcmp(bytes + offset, zeros(), size_t(part)) != 0) return false;
  }
  return true;
}

struct HashStateDeleter {
  void operator()(XXH3_state_t* state) const { XXH3_freeState(state); }
};

}  // namespace

bool openCandidate(ContentCandidate& candidate, platform::ReadOnlyFile& file) {
  if (!file.open(candidate.path)) {
    // A file that is gone, or was replaced by something that is no file, changed.
    candidate.state = file.foundNoFile() ? CandidateState::Changed : CandidateState::Unreadable;
    return false;
  }
  const platform::ReadOnlyFile::Version& now = file.openedVersion();
  if (candidate.state == CandidateState::Unopened) {
    candidate.version = now;
    candidate.state = now.size == candidate.size ? CandidateState::Readable : CandidateState::Changed;
  } else if (now != candidate.version) {
    candidate.state = CandidateState::Changed;
  }
  return candidate.state == CandidateState::Readable;
}

bool stillUnchanged(ContentCandidate& candidate, const platform::ReadOnlyFile& file) {
  platform::ReadOnlyFile::Version now;
  if (file.version(&now) && now == candidate.version) return true;
  candidate.state = CandidateState::Changed;
  return false;
}

bool readBlock(ContentCandidate& candidate, const platform::ReadOnlyFile& file, qint64 offset, qint64 length,
               char* buffer, ReadBlock* block) {
  block->length = length;
  if (file.dataFrom(offset) >= offset + length) {
    block->bytes = nullptr;
    return true;
  }
  const qint64 got = file.readAt(offset, buffer, length);
  if (got != length) {
    candidate.state = got < 0 ? CandidateState::Unreadable : CandidateState::Changed;
    return false;
  }
  block->bytes = buffer;
  return true;
}

bool sameBytes(const ReadBlock& a, const ReadBlock& b) {
  if (a.length != b.length) return false;
  if (!a.bytes && !b.bytes) return true;
  if (!a.bytes) return allZero(b.bytes, b.length);
  if (!b.bytes) return allZero(a.bytes, a.length);
  return std::memcmp(a.bytes, b.bytes, size_t(a.length)) == 0;
}

bool hashPart(ContentCandidate& candidate, const platform::ReadOnlyFile& file, qint64 from, qint64 to,
              PhaseRunner& runner, quint64* hash) {
  thread_local std::vector<char> buffer;
  thread_local std::unique_ptr<XXH3_state_t, HashStateDeleter> state(XXH3_createState());
  const qint64 blockLength = std::min(kLargeBlockSize, to - from);
  if (qint64(buffer.size()) < blockLength) buffer.resize(size_t(blockLength));
  XXH3_64bits_reset(state.get());
  for (qint64 offset = from; offset < to; offset += kLargeBlockSize) {
    if (runner.aborted()) return false;
    ReadBlock block;
    if (!readBlock(candidate, file, offset, std::min(kLargeBlockSize, to - offset), buffer.data(), &block)) return false;
    XXH3_64bits_update(state.get(), block.bytes ? block.bytes : zeros(), size_t(block.length));
    runner.counted(0, block.length);
  }
  *hash = XXH3_64bits_digest(state.get());
  return true;
}

}  // namespace tessaly
