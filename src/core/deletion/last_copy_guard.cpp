#include "core/deletion/last_copy_guard.h"

#include <QSet>

#include "core/common/text_routines.h"
#include "platform/directory_reader.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

// A long list of groups would not fit a message box.
constexpr size_t kGroupsNamed = 10;

bool stillThere(const ListedCopy& copy) {
  platform::EntryStatus status;
  return platform::pathStatus(copy.path, &status) && status.kind == platform::EntryStatus::File &&
         status.size == copy.size;
}

}  // namespace

std::vector<size_t> groupsLeftWithoutCopy(const std::vector<CopyGroup>& groups, const QStringList& removing) {
  const QSet<QString> removed(removing.begin(), removing.end());
  std::vector<size_t> losing;
  for (size_t g = 0; g < groups.size(); ++g) {
    const bool keepsOne = std::any_of(groups[g].begin(), groups[g].end(), [&](const ListedCopy& copy) {
      return !removed.contains(copy.path) && stillThere(copy);
    });
    if (!keepsOne) losing.push_back(g);
  }
  return losing;
}

QString groupLines(const std::vector<CopyGroup>& groups, const std::vector<size_t>& which) {
  QStringList lines;
  for (size_t i = 0; i < which.size() && i < kGroupsNamed; ++i) {
    const CopyGroup& group = groups[which[i]];
    const qint64 others = qint64(group.size()) - 1;
    lines.append(platform::displayPath(group.front().path) + QStringLiteral(" and ") + formatThousands(others) +
                 (others == 1 ? QStringLiteral(" more file") : QStringLiteral(" more files")));
  }
  if (which.size() > kGroupsNamed)
    lines.append(QStringLiteral("and ") + formatThousands(qint64(which.size() - kGroupsNamed)) +
                 QStringLiteral(" more groups"));
  return lines.join(u'\n');
}

QString lastCopyQuestion(const std::vector<CopyGroup>& groups, const std::vector<size_t>& which) {
  return QStringLiteral("Every file of these duplicate groups is about to be removed, so not one copy of them "
                        "would be left:\n\n") +
         groupLines(groups, which) + QStringLiteral("\n\nRemove every copy anyway?");
}

}  // namespace tessaly
