#include "ui/dups/browse_hook.h"

#include "ui/browse/browse_window.h"
#include "ui/main/app_state.h"

namespace tessaly {

void openBrowseWindow(QWidget* owner, const BrowseRequest& request) {
  TfrmBrowse::openOn(request.folder, request.pattern, request.file, owner, &appState().defaultZipPath);
}

}  // namespace tessaly
