#pragma once

#include <vector>

#include "core/search/content_candidates.h"
#include "core/search/content_runner.h"
#include "core/search/file_collection.h"

namespace tessaly {

// The phases of the "Same contents" search, each a narrowing of the groups before it: a file
// stays with the others of its group only while everything read so far is equal. Files that
// cannot be read or change on the way are left out (the runner notes them); the rest of their
// group goes on. After an abort a phase returns at once with nothing proven.

// The collection's files (each collected once) in groups of one size, two or more to a
// size. Empty files are apart: they are equal without reading.
struct SizeClasses {
  std::vector<CandidateGroup> groups;
  std::vector<quint32> empties;  // collection indexes
};
SizeClasses groupBySize(const FileCollection& collection, PhaseRunner& runner);

// Each file's first block, read whole when the file is no larger; a group of a few files no
// larger than the block passes unread, to be compared byte by byte.
std::vector<CandidateGroup> narrowByFirstBlock(std::vector<CandidateGroup> groups, PhaseRunner& runner);
// Each file's last block, for files larger than the first block.
std::vector<CandidateGroup> narrowByLastBlock(std::vector<CandidateGroup> groups, PhaseRunner& runner);
// The middle between the two blocks, for groups of three or more: a pair goes straight to the
// byte comparison, which reads its middle once instead of twice.
std::vector<CandidateGroup> narrowByWholeFile(std::vector<CandidateGroup> groups, PhaseRunner& runner);
// Every byte of every file, the files of a group read side by side: only files equal to the
// last byte stay together. Groups finished before an abort stay proven.
std::vector<CandidateGroup> confirmByBytes(std::vector<CandidateGroup> groups, PhaseRunner& runner);

}  // namespace tessaly
