#include <QApplication>

#include "ui/common/qt_dialogs.h"
#include "ui/lists/extension_picker.h"
#include "ui/main/main_window.h"
#include "ui/scan/select_extension_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tessaly 99"));
  // Lets the desktop match the windows with the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("tessaly"));
  tessaly::QtDialogs dialogs;
  tessaly::setDialogs(&dialogs);
  tessaly::setExtensionPicker(&tessaly::runExtensionPicker);

  tessaly::TfrmMain frmMain;
  frmMain.show();
  return QApplication::exec();
}
