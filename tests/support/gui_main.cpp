#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "support/temp_tree.h"

// Widget tests: offscreen platform, fixed locale, XDG folders in a temporary place.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  tessaly::testkit::TempXdg xdg;
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
