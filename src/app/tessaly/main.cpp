#include <QApplication>

#include "ui/common/qt_dialogs.h"
#include "ui/main/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tessaly 99"));
  // Lets the desktop match the windows with the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("tessaly"));
  tessaly::QtDialogs dialogs;
  tessaly::setDialogs(&dialogs);

  tessaly::TfrmMain frmMain;
  frmMain.show();
  return QApplication::exec();
}
