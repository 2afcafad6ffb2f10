#pragma once

#include <QString>
#include <optional>

#include "core/deletion/folder_run.h"

namespace tessaly {

// What "Clean?" does with the folder of a row.
struct CleanDecision {
  enum Kind {
    Nothing,  // the row lists no folder
    Refuse,   // message says why
    Clean,    // the folder goes to the folder deletion window
  };
  Kind kind = Nothing;
  QString message;
};

// The row's Size cell tells whether the folder was cleaned already; a drive's root, a system
// folder and the home folder are refused.
CleanDecision cleanDecision(const QString& sizeCell, const QString& folder);

// What the Size cell says after a folder run: "DELETED" or "RECYCLED" only when the folder is
// gone, "ZIPPED" when its files went into an archive and stayed, "PARTLY DELETED" or "PARTLY
// RECYCLED" when the run removed files but kept others (protected, failed, cancelled). None
// when the run did not take place or removed nothing: the row stays as it was.
std::optional<QString> cleanedSizeLabel(const FolderRunReport& report);

}  // namespace tessaly
