#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "core/deletion/copy_group.h"
#include "core/grid/file_table.h"

namespace tessaly {

// Which file of a duplicate group "Mark all but one in each group" keeps.
enum class KeepRule {
  FirstListed,
  Newest,    // the latest Modified date and Time; of equal ones the first listed
  Oldest,    // the earliest; of equal ones the first listed
  InFolder,  // the first listed inside the chosen folder or below it
};

struct KeepChoice {
  KeepRule rule = KeepRule::FirstListed;
  QString folder;  // InFolder: a full path
};

// The rows to mark: every row of each group but the one kept. A group with no file inside the
// chosen folder has nothing to keep by the rule, and none of its rows is marked.
// groupStarts holds the first row of each group, in row order.
std::vector<qsizetype> rowsToMarkKeepingOne(const FileTable& table, const std::vector<quint32>& groupStarts,
                                            const KeepChoice& keep);

// The groups that hold a marked file, each with its files' paths and listed sizes: what the
// deletion window needs to warn before every file of a group goes.
std::vector<CopyGroup> copyGroupsWithMarks(const FileTable& table, const std::vector<quint32>& groupStarts,
                                           const std::function<bool(const QString& path)>& isMarked);

}  // namespace tessaly
