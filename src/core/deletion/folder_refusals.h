#pragma once

#include <QString>

namespace tessaly {

// The folders a folder run refuses: "/" and every drive's mount point, a system folder, the
// home folder itself.
enum class FolderRefusal { None, RootFolder, SystemFolder, HomeFolder };
// The folder is compared as written and with its links resolved, so /lib reached as /usr/lib
// is refused too.
FolderRefusal folderRefusal(const QString& folder);

// The words of the browse window and the command line for a refusal; empty for None.
QString folderRefusalText(FolderRefusal refusal);
// Why a folder may not be handed to a folder run; empty when it may.
QString folderDeletionRefusal(const QString& folder);

}  // namespace tessaly
