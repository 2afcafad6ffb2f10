#include "app/cli/removal_steps.h"

#include "core/common/dialogs.h"
#include "core/deletion/partition.h"
#include "core/safeharbor/safe_harbor.h"
#include "platform/host_path.h"

namespace tessaly::cli {

QStringList filesFreeToRemove(const QStringList& files) {
  safeHarbor().load();
  const Partition partition = partitionFiles(files, protectionCheck(), {});
  for (const QString& kept : partition.protectedFiles)
    showError(QStringLiteral("Kept, it is on the Safe Harbor List - ") + platform::displayPath(kept) + QStringLiteral(" (") +
              exceptionReasonText(protectionReasonOf(kept, protectionCheck())) + u')');
  return partition.toDelete;
}

}  // namespace tessaly::cli
