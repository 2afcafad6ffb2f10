#include <gtest/gtest.h>

#include "support/keyboard_checks.h"
#include "ui_desktop/existing_windows.h"

namespace tessaly {
namespace {

TEST(WindowsOnlyWords, FindTheWindowsOnlyNamesAndPassTheHostWords) {
  const std::pair<const char*, bool> cases[] = {
      {"referenced in your Windows Registry", true},
      {"scan the registry for references", true},
      {"located in the windows system directories", true},
      {"converted to Windows 95/98", true},
      {"Later versions of Win95/98", true},
      {"Due to the design of both Windows 95/DOS", true},
      {"&Send to recycle bin", true},
      {"select the ROOT folder of drive C:\\", true},
      {"F:/GAMES", true},
      {"the drive letter of the archive", true},
      {"\\\\SERVER\\SHARE", true},
      {"referenced by your installed software", false},
      {"Close window", false},
      {"Date of last build:", false},
      {"/media/usb STICK", false},
      {"//server/share", false},
  };
  for (const auto& [text, windowsOnly] : cases) {
    EXPECT_EQ(testkit::windowsOnlyWords({QString::fromUtf8(text)}).size(), windowsOnly ? 1 : 0) << text;
  }
}

using WindowWords = testkit::ExistingWindows;

TEST_F(WindowWords, NoWindowTextNamesTheRegistryWindowsOrADriveLetter) {
  std::vector<testkit::WindowCase> cases = windows();
  // The restore dialog's advice names the root folder it restores into.
  cases.push_back({"restore destination",
                   [this] { return std::make_unique<TfrmZipDirectory>(tree.path("Drive-root-TempClean06Sep970533.zip")); },
                   QString()});
  for (const testkit::WindowCase& window : cases) {
    testkit::ScriptedDialogs dialogs;
    const std::unique_ptr<QWidget> widget = window.make();
    widget->show();
    QStringList texts = testkit::windowTexts(widget.get());
    const auto snapshot = [&] { texts += testkit::windowTexts(widget.get()); };
    if (window.use) window.use(*widget, dialogs, snapshot);
    snapshot();
    for (const testkit::ScriptedDialogs::Shown& shown : dialogs.shown()) texts << shown.caption << shown.text;
    texts.removeDuplicates();
    EXPECT_GT(texts.size(), 1) << window.name;
    EXPECT_EQ(testkit::windowsOnlyWords(texts), QStringList()) << window.name;
    // Line breaks are the host's own.
    for (const QString& text : texts) EXPECT_FALSE(text.contains(u'\r')) << window.name << ": " << text.toStdString();
  }
}

}  // namespace
}  // namespace tessaly
