#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>

#include "support/temp_tree.h"

// Core tests run with a fixed locale and with the XDG folders in a temporary place, so no
// test depends on the machine or touches the real user's files.
int main(int argc, char** argv) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  tessaly::testkit::TempXdg xdg;
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
