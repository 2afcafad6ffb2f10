#pragma once

#include <QString>

namespace tessaly {

// Why a folder may not be handed to a folder run: "/" and every drive's mount point (the root
// folder refusal), a system folder or the home folder itself. Empty when it may. The folder is
// compared as written and with its links resolved, so /lib reached as /usr/lib is refused too.
QString folderDeletionRefusal(const QString& folder);

}  // namespace tessaly
