#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/deletion/copy_group.h"

namespace tessaly {

// The groups that a removal would leave without a copy: every file of the group is being
// removed, or the files that stay are gone or no longer of the size they were listed with.
std::vector<size_t> groupsLeftWithoutCopy(const std::vector<CopyGroup>& groups, const QStringList& removing);

// The groups, one line each: the first file's path and how many more the group has. Many
// groups end in a line that counts the rest.
QString groupLines(const std::vector<CopyGroup>& groups, const std::vector<size_t>& which);

// The question the deletion window asks before removing them.
QString lastCopyQuestion(const std::vector<CopyGroup>& groups, const std::vector<size_t>& which);

}  // namespace tessaly
