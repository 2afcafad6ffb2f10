#include "ui/dups/browse_hook.h"

#include "core/common/dialogs.h"

namespace tessaly {

void openBrowseWindow(QWidget*, const BrowseRequest&) { showInfo(QStringLiteral("Browse is not available yet.")); }

}  // namespace tessaly
