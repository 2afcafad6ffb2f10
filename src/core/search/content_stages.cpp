#include "core/search/content_stages.h"

#include <algorithm>
#include <numeric>

#include "core/search/content_reading.h"
#include "platform/directory_reader.h"

namespace tessaly {
namespace {

struct Part {
  qint64 from = 0;
  qint64 to = 0;
  bool isEmpty() const { return from >= to; }
};

// One hash phase: every file of the groups that take part is opened once and the part of it
// that the phase reads is hashed; the other groups pass as they are.
template <typename PartOf, typename TakesPart>
std::vector<CandidateGroup> narrowByPart(std::vector<CandidateGroup> groups, PhaseRunner& runner, ContentPhase phase,
                                         PartOf partOf, TakesPart takesPart) {
  std::vector<CandidateGroup> passing;
  std::vector<CandidateGroup> reading;
  std::vector<ContentCandidate*> files;
  qint64 bytes = 0;
  for (CandidateGroup& group : groups) {
    if (!takesPart(group)) {
      passing.push_back(std::move(group));
      continue;
    }
    reading.push_back(std::move(group));
  }
  for (CandidateGroup& group : reading) {
    for (ContentCandidate& candidate : group) {
      files.push_back(&candidate);
      const Part part = partOf(candidate.size);
      bytes += part.to - part.from;
    }
  }
  runner.run(phase, files.size(), qint64(files.size()), bytes, [&](size_t i) {
    ContentCandidate& candidate = *files[i];
    platform::ReadOnlyFile file;
    const Part part = partOf(candidate.size);
    if (openCandidate(candidate, file)) hashPart(candidate, file, part.from, part.to, runner, &candidate.hash);
    runner.counted(1, 0);
  });
  if (runner.aborted()) return {};
  runner.settle(reading);
  std::vector<CandidateGroup> narrowed = splitByHash(std::move(reading));
  std::move(passing.begin(), passing.end(), std::back_inserter(narrowed));
  return narrowed;
}

// The files of one group compared block by block. Classes of equal bytes so far start as one
// and split wherever a block differs; the first file of a class to read a block gives the
// bytes the others of the class are compared with.
class GroupComparison {
 public:
  // openBudget: how many files one comparison may hold open.
  GroupComparison(CandidateGroup& group, PhaseRunner& runner, qint64 openBudget) : group_(group), runner_(runner) {
    members_.resize(group.size());
    classes_.emplace_back();
    classes_.front().members = int(group.size());
    const qint64 size = group.front().size;
    // A group of many large files is opened again for each block rather than holding more
    // descriptors than the process may have.
    keepOpen_ = size > kLargeBlockSize && qint64(group.size()) <= openBudget;
  }

  // The member indexes of each class of two or more equal files; empty after an abort.
  std::vector<std::vector<size_t>> run() {
    const qint64 size = group_.front().size;
    for (qint64 offset = 0; offset < size && anyClassOfTwo(); offset += kLargeBlockSize) {
      if (runner_.aborted()) return {};
      compareBlock(offset, std::min(kLargeBlockSize, size - offset), offset + kLargeBlockSize >= size);
    }
    std::vector<std::vector<size_t>> equal(classes_.size());
    for (size_t m = 0; m < members_.size(); ++m) {
      if (members_[m].live) equal[size_t(members_[m].cls)].push_back(m);
    }
    std::erase_if(equal, [](const std::vector<size_t>& members) { return members.size() < 2; });
    return equal;
  }

 private:
  struct Member {
    platform::ReadOnlyFile file;
    int cls = 0;
    bool live = true;
  };
  struct Class {
    int parent = -1;        // the class it split from
    int members = 0;        // live members
    bool loaded = false;    // has the block of this offset
    bool zeros = false;     // the block is a hole
    std::vector<char> bytes;
    ReadBlock block(qint64 length) const { return {zeros ? nullptr : bytes.data(), length}; }
  };

  bool anyClassOfTwo() const {
    return std::any_of(classes_.begin(), classes_.end(), [](const Class& c) { return c.members >= 2; });
  }

  void compareBlock(qint64 offset, qint64 length, bool lastBlock) {
    thread_local std::vector<char> scratch;
    if (qint64(scratch.size()) < length) scratch.resize(size_t(length));
    for (Class& c : classes_) c.loaded = false;
    const size_t splitsFrom = classes_.size();
    for (size_t m = 0; m < members_.size(); ++m) {
      // A block of a large group is many reads: an abort must not wait for all of them.
      if (runner_.aborted()) return;
      Member& member = members_[m];
      if (!member.live) continue;
      if (classes_[size_t(member.cls)].members < 2) {
        member.file.close();
        continue;
      }
      ContentCandidate& candidate = group_[m];
      if (!member.file.isOpen() && !openCandidate(candidate, member.file)) {
        leaveOut(member);
        continue;
      }
      Class& own = classes_[size_t(member.cls)];
      ReadBlock block;
      char* into = own.loaded ? scratch.data() : ensureSize(own.bytes, length);
      if (!readBlock(candidate, member.file, offset, length, into, &block)) {
        leaveOut(member);
        continue;
      }
      runner_.counted(0, length);
      if (!own.loaded) {
        own.loaded = true;
        own.zeros = block.bytes == nullptr;
      } else if (!sameBytes(block, own.block(length))) {
        moveToSplit(member, block, splitsFrom);
      }
      if (lastBlock && !stillUnchanged(candidate, member.file)) leaveOut(member);
      if (lastBlock || !keepOpen_) member.file.close();
    }
  }

  // A member whose block differs from its class's joins the split of that class with equal
  // bytes made at this offset, or starts one.
  void moveToSplit(Member& member, const ReadBlock& block, size_t splitsFrom) {
    const int parent = member.cls;
    --classes_[size_t(parent)].members;
    for (size_t k = splitsFrom; k < classes_.size(); ++k) {
      if (classes_[k].parent == parent && sameBytes(block, classes_[k].block(block.length))) {
        member.cls = int(k);
        ++classes_[k].members;
        return;
      }
    }
    Class& split = classes_.emplace_back();
    split.parent = parent;
    split.members = 1;
    split.loaded = true;
    split.zeros = block.bytes == nullptr;
    if (block.bytes) split.bytes.assign(block.bytes, block.bytes + block.length);
    member.cls = int(classes_.size() - 1);
  }

  void leaveOut(Member& member) {
    member.live = false;
    member.file.close();
    --classes_[size_t(member.cls)].members;
  }

  static char* ensureSize(std::vector<char>& bytes, qint64 length) {
    if (qint64(bytes.size()) < length) bytes.resize(size_t(length));
    return bytes.data();
  }

  CandidateGroup& group_;
  PhaseRunner& runner_;
  std::vector<Member> members_;
  std::vector<Class> classes_;
  bool keepOpen_ = false;
};

// A few files that fit in the first block are opened once, by the byte comparison: hashing
// their first block would read them whole for nothing. Many such files are hashed first, so
// that the comparison never meets more than a few different contents.
constexpr size_t kFewFilesComparedWithoutHash = 8;

bool comparedWithoutHash(const CandidateGroup& group) {
  return group.front().size <= kFirstBlockSize && group.size() <= kFewFilesComparedWithoutHash;
}

}  // namespace

SizeClasses groupBySize(const FileCollection& collection, PhaseRunner& runner) {
  const std::vector<FoundFile>& files = collection.files();
  qint64 bytes = 0;
  for (const FoundFile& file : files) bytes += file.size;
  runner.reportProgress({ContentPhase::Sizes, 0, qint64(files.size()), 0, bytes});

  std::vector<quint32> order(files.size());
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(), [&](quint32 a, quint32 b) { return files[a].size < files[b].size; });
  SizeClasses classes;
  for (auto run = order.begin(); run != order.end();) {
    const qint64 size = files[*run].size;
    const auto end = std::find_if(run, order.end(), [&](quint32 i) { return files[i].size != size; });
    if (size == 0) {
      classes.empties.assign(run, end);
    } else if (end - run >= 2) {
      CandidateGroup& group = classes.groups.emplace_back();
      for (auto i = run; i != end; ++i) {
        ContentCandidate& candidate = group.emplace_back();
        candidate.path = collection.fullPath(files[*i]);
        candidate.size = size;
        candidate.file = *i;
      }
    }
    run = end;
  }
  runner.reportProgress({ContentPhase::Sizes, qint64(files.size()), qint64(files.size()), bytes, bytes});
  return classes;
}

std::vector<CandidateGroup> narrowByFirstBlock(std::vector<CandidateGroup> groups, PhaseRunner& runner) {
  return narrowByPart(
      std::move(groups), runner, ContentPhase::FirstBlocks, [](qint64 size) { return Part{0, partsOf(size).firstEnd}; },
      [](const CandidateGroup& group) { return !comparedWithoutHash(group); });
}

std::vector<CandidateGroup> narrowByLastBlock(std::vector<CandidateGroup> groups, PhaseRunner& runner) {
  const auto lastBlock = [](qint64 size) { return Part{partsOf(size).lastStart, size}; };
  return narrowByPart(std::move(groups), runner, ContentPhase::LastBlocks, lastBlock,
                      [&](const CandidateGroup& group) { return !lastBlock(group.front().size).isEmpty(); });
}

std::vector<CandidateGroup> narrowByWholeFile(std::vector<CandidateGroup> groups, PhaseRunner& runner) {
  const auto middle = [](qint64 size) {
    const FileParts parts = partsOf(size);
    return Part{parts.firstEnd, parts.lastStart};
  };
  return narrowByPart(std::move(groups), runner, ContentPhase::WholeFiles, middle, [&](const CandidateGroup& group) {
    return group.size() > 2 && !middle(group.front().size).isEmpty();
  });
}

std::vector<CandidateGroup> confirmByBytes(std::vector<CandidateGroup> groups, PhaseRunner& runner) {
  qint64 files = 0;
  qint64 bytes = 0;
  for (const CandidateGroup& group : groups) {
    files += qint64(group.size());
    bytes += qint64(group.size()) * group.front().size;
  }
  std::vector<std::vector<std::vector<size_t>>> equal(groups.size());
  std::vector<char> finished(groups.size(), 0);
  const qint64 openBudget = platform::folderDescriptorBudget() / PhaseRunner::kMostReaders;
  runner.run(ContentPhase::Bytes, groups.size(), files, bytes, [&](size_t g) {
    equal[g] = GroupComparison(groups[g], runner, openBudget).run();
    finished[g] = !runner.aborted();
    runner.counted(qint64(groups[g].size()), 0);
  });
  std::vector<CandidateGroup> proven;
  for (size_t g = 0; g < groups.size(); ++g) {
    if (!finished[g]) continue;
    for (const std::vector<size_t>& members : equal[g]) {
      CandidateGroup& group = proven.emplace_back();
      for (size_t m : members) group.push_back(groups[g][m]);
    }
  }
  runner.settle(groups);
  return proven;
}

}  // namespace tessaly
