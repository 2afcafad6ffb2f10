#include <gtest/gtest.h>

#include "core/folderhogs/folder_cleaning.h"

namespace tessaly {
namespace {

FolderRunReport report(FolderRunKind kind, bool deleteAfterZip, bool folderRemoved, qint64 removedFiles) {
  FolderRunReport run;
  run.started = true;
  run.kind = kind;
  run.deleteAfterZip = deleteAfterZip;
  run.folderRemoved = folderRemoved;
  run.removedFiles = removedFiles;
  return run;
}

TEST(CleanedSizeLabel, SaysTheFolderIsGoneOnlyWhenItIs) {
  const struct {
    const char* what;
    FolderRunReport run;
    std::optional<QString> label;
  } cases[] = {
      {"deleted whole", report(FolderRunKind::Delete, true, true, 3), "DELETED"},
      {"an empty folder removed", report(FolderRunKind::Delete, true, true, 0), "DELETED"},
      {"trashed whole", report(FolderRunKind::Trash, true, true, 3), "RECYCLED"},
      {"zipped and deleted whole", report(FolderRunKind::Zip, true, true, 3), "DELETED"},
      {"deleted, some kept", report(FolderRunKind::Delete, true, false, 2), "PARTLY DELETED"},
      {"trashed, some kept", report(FolderRunKind::Trash, true, false, 2), "PARTLY RECYCLED"},
      {"zipped and deleted, some kept", report(FolderRunKind::Zip, true, false, 2), "PARTLY DELETED"},
      {"zipped, files kept", report(FolderRunKind::Zip, false, false, 3), "ZIPPED"},
      {"nothing removed", report(FolderRunKind::Delete, true, false, 0), std::nullopt},
      {"no run", FolderRunReport{}, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(cleanedSizeLabel(c.run), c.label) << c.what;
}

}  // namespace
}  // namespace tessaly
