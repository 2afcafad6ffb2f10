#pragma once

#include <QString>
#include <QStringList>

namespace tessaly::platform {

// The folders that hold the cache files of the web browsers installed for the user: each
// profile's folders whose own files are the cache (sub-folders are never emptied), for browsers
// installed natively, as Flatpak and as Snap. Only folders that exist are named; a browser that
// is not installed gives nothing. The layouts are listed in the host decisions.
QStringList browserCacheFolders();

}  // namespace tessaly::platform
