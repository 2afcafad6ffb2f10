#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <optional>

#include "core/common/settings_store.h"
#include "support/temp_tree.h"
#include "ui/common/win_place.h"

namespace tessaly {
namespace {

const PlacementKey kKey{QStringLiteral("tessaly.ini"), QStringLiteral("frmDups"), QStringLiteral("frmMods")};

void store(const QString& value) { IniView(kKey.iniFileName).writeString(kKey.section, kKey.identifier, value); }
QString stored() { return IniView(kKey.iniFileName).readString(kKey.section, kKey.identifier, QString()); }

QPoint centredPosition(const QSize& size) {
  QRect frame(QPoint(0, 0), size);
  frame.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
  return frame.topLeft();
}

class WinPlaceTest : public ::testing::Test {
 protected:
  testkit::TempXdg xdg;
};

TEST_F(WinPlaceTest, ADamagedOrEmptyPlacementLeavesTheWindowCentred) {
  for (const char* damaged : {"", "rubbish", "0 1 -1 -1 -1 -1 500 100 300 400 ",
                              "0 1 -1 -1 -1 -1 200 100 200 400 ", "0 1 -1 -1", "0 x -1 -1 -1 -1 10 20 abc 400 ",
                              "0 1 -1 -1 -1 -1 5000 5000 5300 5200 "}) {
    store(QString::fromLatin1(damaged));
    QWidget window;
    window.resize(300, 200);
    window.move(3, 4);
    TWinPlace place(window, kKey);
    place.restore();
    EXPECT_EQ(window.pos(), centredPosition(window.size())) << damaged;
    EXPECT_EQ(window.size(), QSize(300, 200)) << damaged;
  }
}

TEST_F(WinPlaceTest, AStoredPlacementPutsTheWindowBackWhereItWas) {
  store(QStringLiteral("0 1 -1 -1 -1 -1 40 50 440 350 "));
  QWidget window;
  TWinPlace place(window, kKey);
  place.restore();
  EXPECT_EQ(window.geometry(), QRect(40, 50, 400, 300));
  EXPECT_FALSE(window.isMaximized());

  store(QStringLiteral("0 3 -1 -1 -1 -1 40 50 440 350 "));
  QWidget maximised;
  TWinPlace maximisedPlace(maximised, kKey);
  maximisedPlace.restore();
  EXPECT_TRUE(maximised.isMaximized());
}

TEST_F(WinPlaceTest, TheWindowSavesItsPlacementWhenItGoesAway) {
  {
    QWidget window;
    TWinPlace place(window, kKey);
    place.restore();
    window.show();
    window.setGeometry(30, 60, 320, 240);
  }
  const WindowPlacement saved = parsePlacement(stored());
  EXPECT_EQ(saved.showCommand, 1);
  EXPECT_EQ(QRect(QPoint(saved.left, saved.top), QPoint(saved.right - 1, saved.bottom - 1)), QRect(30, 60, 320, 240));
  EXPECT_TRUE(stored().endsWith(u' '));

  {
    QWidget window;
    TWinPlace place(window, kKey);
    place.restore();
    EXPECT_EQ(window.geometry(), QRect(30, 60, 320, 240));
  }
}

TEST_F(WinPlaceTest, AWindowThatWasNeverShownStoresNothing) {
  {
    QWidget window;
    TWinPlace place(window, kKey);
  }
  EXPECT_TRUE(stored().isEmpty());
}

TEST_F(WinPlaceTest, TheShowCommandIsMinimisedForAMinimisedWindowOrTheMainWindowOfAHiddenApplication) {
  struct Case {
    bool minimised, maximised, mainOfHidden;
    int expected;
  };
  for (const Case c : {Case{false, false, false, 1}, Case{false, true, false, 3}, Case{true, false, false, 2},
                       Case{true, true, false, 2}, Case{false, false, true, 2}}) {
    EXPECT_EQ(placementShowCommand(c.minimised, c.maximised, c.mainOfHidden), c.expected)
        << c.minimised << c.maximised << c.mainOfHidden;
  }
}

TEST_F(WinPlaceTest, AWindowWithoutASectionUsesTheProgramFileName) {
  const PlacementKey unnamed{QStringLiteral("tessaly.ini"), QString(), QStringLiteral("frmBrowse")};
  {
    QWidget window;
    TWinPlace place(window, unnamed);
    place.restore();
    window.setGeometry(10, 20, 200, 100);
  }
  EXPECT_FALSE(IniView(unnamed.iniFileName).readString(programFileName(), unnamed.identifier, QString()).isEmpty());
}

}  // namespace
}  // namespace tessaly
