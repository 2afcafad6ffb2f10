#include "core/deletion/partition.h"

#include <QCollator>
#include <algorithm>

namespace tessaly {

void sortPanelEntries(QStringList& entries) {
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::sort(entries.begin(), entries.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
}

Partition partitionFiles(const QStringList& files, ProtectionCheck& check, const std::function<void(int)>& examined) {
  Partition result;
  int count = 0;
  for (qsizetype i = files.size() - 1; i >= 0; --i) {
    if (examined) examined(count);
    ++count;
    int reason = 0;
    (check.isInExceptionList(files[i], true, &reason) ? result.protectedFiles : result.toDelete).append(files[i]);
  }
  sortPanelEntries(result.toDelete);
  sortPanelEntries(result.protectedFiles);
  return result;
}

QString protectionReasonMessage(const QString& path, ProtectionCheck& check) {
  int reason = 0;
  const QString quoted = QStringLiteral("This file \"") + path + QStringLiteral("\" is on the Safe Harbor List ");
  if (check.isInExceptionList(path, true, &reason) && reason != NotProtected)
    return quoted + QStringLiteral("since the folder that it is stored in is ") + exceptionReasonText(reason);
  return quoted + QStringLiteral("because you moved it here.");
}

}  // namespace tessaly
