#include <QApplication>
#include <QLabel>

#include "core/common/date_texts.h"
#include "ui/common/qt_dialogs.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tessaly 99"));
  tessaly::QtDialogs dialogs;
  tessaly::setDialogs(&dialogs);
  QLabel placeholder(QStringLiteral("Tessaly 99"));
  placeholder.show();
  return QApplication::exec();
}
