#include "core/common/dialogs.h"

namespace tessaly {
namespace {

Dialogs* installed = nullptr;

}  // namespace

Dialogs& dialogs() {
  static RefusingDialogs noUser;
  return installed ? *installed : noUser;
}

void setDialogs(Dialogs* implementation) { installed = implementation; }

void showError(const QString& text) { dialogs().message(MessageStyle::Error, text); }
void showWarning(const QString& text) { dialogs().message(MessageStyle::Warning, text); }
void showInfo(const QString& text) { dialogs().message(MessageStyle::Information, text); }

}  // namespace tessaly
