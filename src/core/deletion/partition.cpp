#include "core/deletion/partition.h"

#include <QCollator>
#include <algorithm>

#include "core/common/text_routines.h"
#include "platform/host_files.h"
#include "platform/host_path.h"

namespace tessaly {

void sortPanelEntries(QStringList& entries) {
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::sort(entries.begin(), entries.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
}

int protectionReasonOf(const QString& path, ProtectionCheck& check) {
  int reason = NotProtected;
  if (check.isInExceptionList(path, true, &reason)) return reason;
  // A file reached through a linked folder is the file at the link's target: /home/me/sys/x
  // with sys a link to /usr/lib removes /usr/lib/x.
  const qsizetype slash = path.lastIndexOf(u'/');
  const QString realFolder = platform::resolvedPath(slash <= 0 ? QStringLiteral("/") : path.left(slash));
  if (realFolder.isEmpty()) return NotProtected;
  const QString realPath = joinPath(realFolder, path.mid(slash + 1));
  if (realPath != path && check.isInExceptionList(realPath, true, &reason)) return reason;
  return NotProtected;
}

Partition partitionFiles(const QStringList& files, ProtectionCheck& check, const std::function<void(int)>& examined) {
  Partition result;
  int count = 0;
  for (qsizetype i = files.size() - 1; i >= 0; --i) {
    if (examined) examined(count);
    ++count;
    (protectionReasonOf(files[i], check) != NotProtected ? result.protectedFiles : result.toDelete).append(files[i]);
  }
  sortPanelEntries(result.toDelete);
  sortPanelEntries(result.protectedFiles);
  return result;
}

QString protectionReasonMessage(const QString& path, ProtectionCheck& check) {
  const int reason = protectionReasonOf(path, check);
  const QString quoted =
      QStringLiteral("This file \"") + platform::displayPath(path) + QStringLiteral("\" is on the Safe Harbor List ");
  if (reason != NotProtected)
    return quoted + QStringLiteral("since the folder that it is stored in is ") + exceptionReasonText(reason);
  return quoted + QStringLiteral("because you moved it here.");
}

}  // namespace tessaly
