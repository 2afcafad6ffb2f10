#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include "core/common/text_routines.h"
#include "platform/xdg_paths.h"
#include "support/keyboard_checks.h"
#include "ui_desktop/existing_windows.h"

namespace tessaly {
namespace {

using WindowKeys = testkit::ExistingWindows;

// Shown and active, as after a user's click on it. A window's start-up may show and hide
// windows of its own (the deletion window's stand-by window), whose activation can arrive
// late: the window is activated again until it stays active.
void showActive(QWidget* window) {
  constexpr int kActivationTries = 5;
  window->show();
  for (int attempt = 0; attempt < kActivationTries; ++attempt) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QCoreApplication::processEvents();
    if (QApplication::activeWindow() == window) return;
  }
  FAIL() << "The window never stayed active";
}

// Runs the check on each page of the window's tabs and wizard steps in turn, so the controls
// of every page are met.
void onEveryPage(QWidget* window, const std::function<void()>& check) {
  check();
  for (QStackedWidget* stack : window->findChildren<QStackedWidget*>()) {
    auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
    const auto turnTo = [&](int page) { tabs ? tabs->setCurrentIndex(page) : stack->setCurrentIndex(page); };
    const int shown = stack->currentIndex();
    for (int page = 0; page < stack->count(); ++page) {
      if (page == shown) continue;
      SCOPED_TRACE(page);
      turnTo(page);
      check();
    }
    turnTo(shown);
  }
}

TEST_F(WindowKeys, EveryControlOnEveryPageIsReachedWithTabAndHasALetterOfItsOwn) {
  for (const testkit::WindowCase& window : windows()) {
    SCOPED_TRACE(window.name);
    const std::unique_ptr<QWidget> widget = window.make();
    showActive(widget.get());
    onEveryPage(widget.get(), [&] { testkit::expectKeyboardComplete(widget.get()); });
  }
}

TEST_F(WindowKeys, EscapeClosesEveryDialog) {
  for (const testkit::WindowCase& window : windows()) {
    if (!window.escapeCloses) continue;
    SCOPED_TRACE(window.name);
    const std::unique_ptr<QWidget> widget = window.make();
    showActive(widget.get());
    auto* dialog = qobject_cast<QDialog*>(widget.get());
    ASSERT_NE(dialog, nullptr);
    testkit::expectEscapeCloses(dialog);
  }
}

TEST_F(WindowKeys, F1OpensTheWindowsOwnTopicOfTheManual) {
  for (const testkit::WindowCase& window : windows()) {
    SCOPED_TRACE(window.name);
    const std::unique_ptr<QWidget> widget = window.make();
    showActive(widget.get());
    QTest::keyClick(widget.get(), Qt::Key_F1);
    // The help window shows its own topic in itself; every other window opens a viewer.
    auto* help = qobject_cast<TfrmHelp*>(widget.get());
    if (!help) help = widget->findChild<TfrmHelp*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->source().fileName(), window.helpPage);
    EXPECT_TRUE(QFileInfo::exists(joinPath(platform::manualFolder(), window.helpPage)));
  }
}

}  // namespace
}  // namespace tessaly
