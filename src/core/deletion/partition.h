#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "core/safeharbor/protection_check.h"

namespace tessaly {

// Both panels keep their entries sorted without regard to case, in the user's locale.
void sortPanelEntries(QStringList& entries);

struct Partition {
  QStringList toDelete;
  QStringList protectedFiles;
};

// The safe harbor check's reason for a file, asked about the path as given and, when a link
// leads elsewhere, about the file's real place; 0 when neither is protected.
int protectionReasonOf(const QString& path, ProtectionCheck& check);

// Asks the safe harbor check about every file, last first as the window's walk does;
// examined(n) is told how many entries were looked at before the current one.
Partition partitionFiles(const QStringList& files, ProtectionCheck& check, const std::function<void(int)>& examined);

// The text of "Reason that file is on this list" for an entry of the safe harbor panel.
QString protectionReasonMessage(const QString& path, ProtectionCheck& check);

}  // namespace tessaly
