#include "core/folderhogs/folder_cleaning.h"

#include "core/deletion/folder_refusals.h"

namespace tessaly {
namespace {

const QString kDeleted = QStringLiteral("DELETED");
const QString kRecycled = QStringLiteral("RECYCLED");
// Folder hogs' own words for a drive's root; the other refusals read as everywhere.
const QString kRootRefusal = QStringLiteral("You cannot delete the root folder using Tessaly 99");

}  // namespace

CleanDecision cleanDecision(const QString& sizeCell, const QString& folder) {
  if (sizeCell.isEmpty() || folder.isEmpty()) return {};
  if (sizeCell == kDeleted || sizeCell == kRecycled)
    return {CleanDecision::Refuse, QStringLiteral("Folder already deleted/recycled")};
  const FolderRefusal refusal = folderRefusal(folder);
  if (refusal == FolderRefusal::RootFolder) return {CleanDecision::Refuse, kRootRefusal};
  if (refusal != FolderRefusal::None) return {CleanDecision::Refuse, folderRefusalText(refusal)};
  return {CleanDecision::Clean, {}};
}

std::optional<QString> cleanedSizeLabel(const FolderRunReport& report) {
  const bool trash = report.kind == FolderRunKind::Trash;
  if (!report.started) return std::nullopt;
  if (report.folderRemoved) return trash ? kRecycled : kDeleted;
  if (report.removedFiles == 0) return std::nullopt;
  if (!report.removesFiles()) return QStringLiteral("ZIPPED");
  return QStringLiteral("PARTLY ") + (trash ? kRecycled : kDeleted);
}

}  // namespace tessaly
