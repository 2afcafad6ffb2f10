#include <gtest/gtest.h>

#include <QTest>
#include <QTextBrowser>

#include "inspect/pe_image_builder.h"
#include "support/fake_host.h"
#include "support/keyboard_checks.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/common/help_topic.h"
#include "ui/common/help_window.h"
#include "ui/inspect/details_window.h"
#include "ui/inspect/find_dialog.h"
#include "ui/inspect/view_window.h"

namespace tessaly {
namespace {

class InspectWindowsTest : public ::testing::Test {
 protected:
  QString program() {
    testkit::PeRequest request;
    request.strings = {{"CompanyName", "Quornel Corporation"}};
    return tree.file(QStringLiteral("tool.exe"), testkit::buildPe(request).bytes);
  }
  testkit::TempTree tree;
  testkit::ScriptedDialogs dialogs;
  // The host's own description of ".exe" names Windows, rightly; the check is for the
  // window's own words.
  testkit::FakeFileTypes types;
};

// Each window with the page of the manual F1 opens in it.
struct WindowCase {
  const char* what;
  std::function<std::unique_ptr<QDialog>(const QString& file)> make;
  const char* topic;
};

TEST_F(InspectWindowsTest, EveryControlHasTabAndALetterEscapeClosesAndF1OpensTheWindowsTopic) {
  const WindowCase cases[] = {
      {"details", [](const QString& file) { return std::make_unique<TfrmDetails>(file, nullptr); }, "file-details.html"},
      {"viewer", [](const QString& file) { return std::make_unique<TfrmView>(file, nullptr); }, "file-viewer.html"},
      {"strings", [](const QString& file) { return std::make_unique<TfrmView>(file, nullptr, ViewerRole::Strings); },
       "file-viewer.html"},
      {"find", [](const QString&) { return std::make_unique<TFindDlg>(nullptr); }, "file-viewer.html"},
  };
  const QString file = program();
  for (const WindowCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::unique_ptr<QDialog> window = c.make(file);
    window->show();
    testkit::expectKeyboardComplete(window.get());
    EXPECT_EQ(testkit::windowsOnlyWords(testkit::windowTexts(window.get())), QStringList());

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    auto* help = window->findChild<TfrmHelp*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->browser()->source().fileName(), QString::fromLatin1(c.topic));
    help->close();

    window->activateWindow();
    testkit::expectEscapeCloses(window.get());
  }
}

}  // namespace
}  // namespace tessaly
