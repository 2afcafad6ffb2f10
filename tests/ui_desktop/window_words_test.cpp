#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <functional>
#include <memory>

#include "core/common/settings_store.h"
#include "core/safeharbor/protection_check.h"
#include "deletion/fake_protection_check.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "support/keyboard_checks.h"
#include "ui/archive/folder_name_window.h"
#include "ui/archive/zip_directory_window.h"
#include "ui/archive/zip_options_window.h"
#include "ui/common/standby_window.h"
#include "ui/deletion/really_delete_window.h"
#include "ui/lists/pattern_list_view.h"
#include "ui/lists/pattern_list_window.h"
#include "ui/lists/stat_list_window.h"
#include "ui/main/about_window.h"
#include "ui/common/help_window.h"
#include "ui/common/help_topic.h"
#include "ui/main/main_window.h"
#include "ui/safeharbor/edit_folder_window.h"
#include "ui/safeharbor/no_delete_window.h"
#include "ui/scan/add_new_folder_window.h"
#include "ui/scan/select_extension_window.h"
#include "ui/scan/which_drive_window.h"
#include "ui/scan/wild_card_window.h"

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

// One window of the program: how it is made, and what its user does to see the messages it
// can show. Every step may take a snapshot of the window's texts as they stand then.
struct WindowCase {
  const char* name;
  std::function<std::unique_ptr<QWidget>()> make;
  std::function<void(QWidget&, testkit::ScriptedDialogs&, const std::function<void()>& snapshot)> use;
};

template <typename Window>
Window& as(QWidget& window) {
  return static_cast<Window&>(window);
}

void selectAll(QAbstractItemView* view) {
  view->selectAll();
  view->setCurrentIndex(view->model()->index(0, 0));
}

// The pattern editors: clearing and deleting two lines, both answered No.
void askPatternQuestions(TfrmPatternList& editor, testkit::ScriptedDialogs& dialogs) {
  selectAll(editor.PickList1);
  dialogs.answer(Answer::No);
  editor.btDelete->click();
  dialogs.answer(Answer::No);
  editor.btClear->click();
}

class WindowWords : public ::testing::Test {
 protected:
  void SetUp() override {
    drives.add(QStringLiteral("/"), platform::DriveKind::Fixed, QStringLiteral("system"));
    drives.add(QStringLiteral("/media/usb"), platform::DriveKind::Removable, QStringLiteral("STICK"));
    programSettings().writeList(QStringLiteral("NewFolders"), {tree.folder("music"), tree.folder("photos")});
    protection.protect(kept, SystemFolderReason);
    protection.protect(keptToo, InstalledSoftwareReason);
  }

  std::vector<WindowCase> windows() {
    return {
        {"main window", [] { return std::make_unique<TfrmMain>(); },
         [](QWidget& window, auto&, auto&) {
           // Without a safe harbor the scanning tools refuse with a message.
           window.findChild<QPushButton*>(QStringLiteral("btDuplicate"))->click();
         }},
        {"About", [] { return std::make_unique<TfrmAbout>(nullptr, [](const QUrl&) { return false; }); },
         [](QWidget& window, auto&, auto&) { as<TfrmAbout>(window).openWebPage(); }},
        {"help", [] { return std::make_unique<TfrmHelp>(nullptr); },
         [this](QWidget& window, auto&, auto&) { as<TfrmHelp>(window).showPage(tree.path("no-manual"), kContentsPage); }},
        {"stand-by", [] { return std::make_unique<TfrmStandBy>(); }, {}},
        {"add new folders", [] { return std::make_unique<TfrmAddNewFolder>(); },
         [](QWidget& window, testkit::ScriptedDialogs& dialogs, auto&) {
           auto& folders = as<TfrmAddNewFolder>(window);
           folders.btDel->click();
           dialogs.chooseText(QString());
           folders.btAdd->click();
           selectAll(folders.ListBox1);
           dialogs.answer(Answer::No);
           folders.btDel->click();
         }},
        {"select a file extension", [] { return std::make_unique<TfrmSelectExtension>(); }, {}},
        {"which drives and file types", [] { return std::make_unique<TfrmWhichDrive>(); },
         [](QWidget& window, auto&, const std::function<void()>& snapshot) {
           auto& wizard = as<TfrmWhichDrive>(window);
           wizard.btNext1->click();
           for (QRadioButton* mode : {wizard.rbSelected, wizard.rbExcept}) {
             mode->setChecked(true);
             wizard.btNext2->click();
             snapshot();
             wizard.btPreviousClick();
           }
         }},
        {"wildcard pattern", [] { return std::make_unique<TfrmWildCard>(); }, {}},
        {"temporary file extensions", [] { return std::make_unique<TfrmTempFiles>(nullptr); },
         [](QWidget& window, testkit::ScriptedDialogs& dialogs, auto&) {
           askPatternQuestions(as<TfrmPatternList>(window), dialogs);
         }},
        {"safe harbor file extensions", [] { return std::make_unique<TfrmKeepFiles>(nullptr); },
         [](QWidget& window, testkit::ScriptedDialogs& dialogs, auto&) {
           askPatternQuestions(as<TfrmPatternList>(window), dialogs);
         }},
        {"statistics file types", [] { return std::make_unique<TfrmStatList>(nullptr, QStringLiteral("Include")); },
         [](QWidget& window, testkit::ScriptedDialogs& dialogs, auto&) {
           auto& editor = as<TfrmStatList>(window);
           selectAll(editor.PickList1);
           dialogs.answer(Answer::No);
           editor.btDelete->click();
           dialogs.answer(Answer::No);
           editor.btClear->click();
         }},
        {"safe harbor", [] { return std::make_unique<TfrmNoDelete>(nullptr); },
         [](QWidget& window, testkit::ScriptedDialogs& dialogs, auto&) {
           auto& harbor = as<TfrmNoDelete>(window);
           harbor.btDel->click();
           harbor.btEdit->click();
           dialogs.chooseText(QString());
           harbor.btAdd->click();
           dialogs.answer(Answer::No);
           harbor.btBuild->click();
         }},
        {"edit folder", [] { return std::make_unique<TfrmEditFolder>(nullptr); },
         [](QWidget& window, testkit::ScriptedDialogs& dialogs, const std::function<void()>& snapshot) {
           auto& editor = as<TfrmEditFolder>(window);
           dialogs.chooseText(QString());
           editor.SpeedButton1->click();
           for (const char* folder : {"", "/opt/acme/"}) {
             editor.Edit1->setText(QString::fromUtf8(folder));
             for (bool all : {true, false}) {
               editor.cbAll->setChecked(all);
               editor.updateExample();
               snapshot();
             }
           }
         }},
        {"zip options", [this] { return std::make_unique<TfrmZipOptions>(zipPath); },
         [](QWidget& window, testkit::ScriptedDialogs& dialogs, auto&) {
           dialogs.chooseText(QString());
           as<TfrmZipOptions>(window).SpeedButton1->click();
         }},
        {"folder name", [] { return std::make_unique<TfrmGetFolderName>(); }, {}},
        {"restore destination", [this] { return std::make_unique<TfrmZipDirectory>(tree.path("Drive-root-TempClean06Sep970533.zip")); },
         {}},
        {"deletion",
         [this] {
           DeletionServices services;
           services.protection = &protection;
           services.defaultZipPath = &zipPath;
           return std::make_unique<TfrmReallyDelete>(
               DeletionRequest{{kept, keptToo, gone}, 1234, QStringLiteral("TempClean")}, services);
         },
         [](QWidget& window, testkit::ScriptedDialogs& dialogs, auto&) {
           auto& deletion = as<TfrmReallyDelete>(window);
           for (int row = 0; row < deletion.lb2->count(); ++row) {
             deletion.lb2->setCurrentRow(row);
             deletion.btReason->click();
           }
           dialogs.answer(Answer::No);
           deletion.btRecycle->click();
           dialogs.answer(Answer::No);
           deletion.btDelete->click();
           deletion.lb1->selectAll();
           deletion.btToAgainst->click();
           deletion.btDelete->click();
         }},
    };
  }

  testkit::TempXdg xdg;
  testkit::TempTree tree;
  testkit::FakeDriveTable drives;
  testkit::FakeFileTypes types;
  testkit::FakeProtectionCheck protection;
  QString zipPath = tree.folder("archives");
  QString kept = tree.file("lib/tool.so", "x");
  QString keptToo = tree.file("opt/acme/acme", "x");
  QString gone = tree.file("old.tmp", "x");
};

TEST_F(WindowWords, NoWindowTextNamesTheRegistryWindowsOrADriveLetter) {
  for (const WindowCase& window : windows()) {
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
