#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <functional>
#include <memory>
#include <vector>

#include "core/common/settings_store.h"
#include "core/safeharbor/protection_check.h"
#include "deletion/fake_protection_check.h"
#include "inspect/pe_image_builder.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/archive/archive_help.h"
#include "ui/archive/folder_name_window.h"
#include "ui/archive/zip_directory_window.h"
#include "ui/archive/zip_options_window.h"
#include "ui/browse/browse_window.h"
#include "ui/clean/cache_window.h"
#include "ui/clean/clean_window.h"
#include "ui/scan/drive_check_list.h"
#include "ui/common/help_topic.h"
#include "ui/common/help_window.h"
#include "ui/common/standby_window.h"
#include "ui/dates/date_box.h"
#include "ui/dates/mods_window.h"
#include "ui/deletion/del_directory_window.h"
#include "ui/deletion/really_delete_window.h"
#include "ui/grid/marked_grid.h"
#include "ui/hogs/dir_hog_window.h"
#include "ui/inspect/details_window.h"
#include "ui/inspect/file_viewer.h"
#include "ui/inspect/find_dialog.h"
#include "ui/inspect/view_window.h"
#include "ui/lists/pattern_list_view.h"
#include "ui/lists/pattern_list_window.h"
#include "ui/lists/stat_list_window.h"
#include "ui/main/about_window.h"
#include "ui/main/main_window.h"
#include "ui/safeharbor/edit_folder_window.h"
#include "ui/safeharbor/no_delete_window.h"
#include "ui/scan/add_new_folder_window.h"
#include "ui/scan/drive_check_list.h"
#include "ui/scan/select_extension_window.h"
#include "ui/scan/which_drive_window.h"
#include "ui/scan/wild_card_window.h"

namespace tessaly::testkit {

// What its user does in a window to see the messages it can show; snapshot() takes the
// window's texts as they stand at that step.
using WindowUse = std::function<void(QWidget& window, ScriptedDialogs& dialogs, const std::function<void()>& snapshot)>;

// One window of the program as its user first meets it.
struct WindowCase {
  const char* name;
  std::function<std::unique_ptr<QWidget>()> make;
  QString helpPage;           // the manual's page that F1 opens
  bool escapeCloses = true;   // a dialog the user can leave with Escape
  WindowUse use = {};
};

template <typename Window>
Window& as(QWidget& window) {
  return static_cast<Window&>(window);
}

inline void selectEveryRow(QAbstractItemView* view) {
  view->selectAll();
  view->setCurrentIndex(view->model()->index(0, 0));
}

// The pattern editors: deleting several lines and clearing the list, both answered No.
template <typename Editor>
void askListQuestions(QWidget& window, ScriptedDialogs& dialogs, const std::function<void()>&) {
  auto& editor = as<Editor>(window);
  selectEveryRow(editor.PickList1);
  dialogs.answer(Answer::No);
  editor.btDelete->click();
  dialogs.answer(Answer::No);
  editor.btClear->click();
}

// Ticks the one item of the list, so a search walks a small folder and not a whole drive.
inline void tickOnly(DriveCheckList& list, const QString& path) {
  QList<DriveListItem> items = list.items();
  for (DriveListItem& item : items) item.ticked = item.path == path;
  list.setItems(items);
}

// Every window built so far, with the fakes and files they need.
class ExistingWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    drives.add(QStringLiteral("/"), platform::DriveKind::Fixed, QStringLiteral("system"));
    drives.add(QStringLiteral("/media/usb"), platform::DriveKind::Removable, QStringLiteral("STICK"));
    programSettings().writeList(QStringLiteral("NewFolders"), {tree.folder("music"), tree.folder("photos")});
    protection.protect(kept, SystemFolderReason);
    protection.protect(keptToo, InstalledSoftwareReason);
  }

  std::unique_ptr<QWidget> deletionWindow() {
    DeletionServices services;
    services.protection = &protection;
    services.defaultZipPath = &zipPath;
    return std::make_unique<TfrmReallyDelete>(DeletionRequest{{kept, keptToo, gone}, 1234, QStringLiteral("TempClean")},
                                              services);
  }

  // A folder holding a protected folder and a hidden file, so a run shows its warning, a
  // question and its report.
  std::unique_ptr<QWidget> folderDeletionWindow() {
    const QString folder = tree.folder("project");
    tree.file("project/keep/notes.txt", "x");
    tree.file("project/.hidden", "x");
    FolderDeletionServices services;
    services.protection = &protection;
    services.harbor = HarborLists{{folder + QStringLiteral("/keep/")}, {}, {}};
    services.defaultZipPath = &zipPath;
    return std::make_unique<TfrmDelDirectory>(folder, services);
  }

  // The file details of a small Windows program whose desktop will not open it.
  std::unique_ptr<QWidget> detailsWindow() {
    PeRequest request;
    request.strings = {{"CompanyName", "Quornel Corporation"}};
    auto details = std::make_unique<TfrmDetails>(tree.file("tool.exe", buildPe(request).bytes), nullptr);
    details->openUrl = [](const QUrl&) { return false; };
    return details;
  }

  // What a user of the viewer can be told: a text not found, a go-to and a tab size refused.
  static void useViewer(QWidget& window, ScriptedDialogs& dialogs, const std::function<void()>&) {
    auto& view = as<TfrmView>(window);
    findSettings().text = QStringLiteral("no such text");
    view.FindNext1->trigger();
    findSettings() = {};
    dialogs.chooseText(QString());
    view.GotoLine1->trigger();
    dialogs.chooseText(QString());
    view.TabSize1->trigger();
  }

  std::vector<WindowCase> windows() {
    return {
        {"main window", [] { return std::make_unique<TfrmMain>(); }, kContentsPage, false,
         [](QWidget& window, auto&, auto&) {
           // Without a safe harbor the scanning tools refuse with a message.
           window.findChild<QPushButton*>(QStringLiteral("btDuplicate"))->click();
         }},
        {"About", [] { return std::make_unique<TfrmAbout>(nullptr, [](const QUrl&) { return false; }); },
         QStringLiteral("about.html"), true,
         [](QWidget& window, auto&, auto&) { as<TfrmAbout>(window).openWebPage(); }},
        {"help", [] { return std::make_unique<TfrmHelp>(nullptr); }, kHelpViewerPage, false,
         [this](QWidget& window, auto&, auto&) {
           as<TfrmHelp>(window).showPage(tree.path("no-manual"), kContentsPage);
         }},
        // Nothing to stop or leave: it goes when the files are sorted.
        {"stand-by", [] { return std::make_unique<TfrmStandBy>(); }, QStringLiteral("standby.html"), false},
        {"add new folders", [] { return std::make_unique<TfrmAddNewFolder>(); }, QStringLiteral("add-folders.html"),
         true,
         [](QWidget& window, ScriptedDialogs& dialogs, auto&) {
           auto& folders = as<TfrmAddNewFolder>(window);
           folders.btDel->click();
           dialogs.chooseText(QString());
           folders.btAdd->click();
           selectEveryRow(folders.ListBox1);
           dialogs.answer(Answer::No);
           folders.btDel->click();
         }},
        {"select a file extension", [] { return std::make_unique<TfrmSelectExtension>(); },
         QStringLiteral("select-extension.html")},
        {"which drives and file types", [] { return std::make_unique<TfrmWhichDrive>(); },
         QStringLiteral("which-drives.html"), true,
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
        {"wildcard pattern", [] { return std::make_unique<TfrmWildCard>(); }, QStringLiteral("wildcard.html")},
        {"temporary file extensions", [] { return std::make_unique<TfrmTempFiles>(nullptr); },
         QStringLiteral("temporary-extensions.html"), true, askListQuestions<TfrmPatternList>},
        {"safe harbor file extensions", [] { return std::make_unique<TfrmKeepFiles>(nullptr); },
         QStringLiteral("keep-list.html"), true, askListQuestions<TfrmPatternList>},
        {"statistics file types", [] { return std::make_unique<TfrmStatList>(nullptr, QStringLiteral("Include")); },
         QStringLiteral("file-types.html"), true, askListQuestions<TfrmStatList>},
        {"safe harbor", [] { return std::make_unique<TfrmNoDelete>(nullptr); }, QStringLiteral("safe-harbor.html"), true,
         [](QWidget& window, ScriptedDialogs& dialogs, auto&) {
           auto& harbor = as<TfrmNoDelete>(window);
           harbor.btDel->click();
           harbor.btEdit->click();
           dialogs.chooseText(QString());
           harbor.btAdd->click();
           dialogs.answer(Answer::No);
           harbor.btBuild->click();
         }},
        {"edit folder", [] { return std::make_unique<TfrmEditFolder>(nullptr); }, QStringLiteral("edit-folder.html"),
         true,
         [](QWidget& window, ScriptedDialogs& dialogs, const std::function<void()>& snapshot) {
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
        {"zip options", [this] { return std::make_unique<TfrmZipOptions>(zipPath); }, QStringLiteral("zip-options.html"),
         true,
         [](QWidget& window, ScriptedDialogs& dialogs, auto&) {
           dialogs.chooseText(QString());
           as<TfrmZipOptions>(window).SpeedButton1->click();
         }},
        {"folder name", [] { return std::make_unique<TfrmGetFolderName>(); }, kUnzipHelpPage},
        {"internet cache", [] { return std::make_unique<TfrmCache>(); }, QStringLiteral("cache.html"), true,
         [](QWidget& window, ScriptedDialogs& dialogs, auto&) {
           auto& cache = as<TfrmCache>(window);
           cache.btDel->click();
           cache.btInit->click();
           cache.btClear->click();
           dialogs.chooseText(QString());
           cache.btAdd->click();
         }},
        {"quick clean", [] { return std::make_unique<TfrmClean>(); }, QStringLiteral("quick-clean.html"), true,
         [this](QWidget& window, auto&, const std::function<void()>& snapshot) {
           auto& clean = as<TfrmClean>(window);
           clean.DeselectAll1->trigger();
           clean.btScan->click();
           clean.SelectAll1->trigger();
           // The added folder "music" alone: first without a temporary file, then with one.
           clean.pckDrive->setAllTicked(false);
           clean.pckDrive->item(clean.pckDrive->count() - 2)->setCheckState(Qt::Checked);
           clean.btScan->click();
           tree.file("music/mix.tmp", "x");
           clean.btScan->click();
           snapshot();
         }},
        {"deletion", [this] { return deletionWindow(); }, QStringLiteral("deletion.html"), true,
         [](QWidget& window, ScriptedDialogs& dialogs, auto&) {
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
        {"folder deletion", [this] { return folderDeletionWindow(); }, QStringLiteral("folder-deletion.html"), true,
         [](QWidget& window, ScriptedDialogs& dialogs, auto&) {
           auto& folder = as<TfrmDelDirectory>(window);
           dialogs.answer(Answer::No);
           folder.btRecycle->click();
           dialogs.answer(Answer::No);
           folder.btDelete->click();
           // Yes to the warning, Cancel to the question about the hidden file: the report.
           dialogs.answer(Answer::Yes);
           dialogs.answer(Answer::Cancel);
           folder.btDelete->click();
         }},
        {"browse",
         [this] {
           tree.file("documents/letter.txt", "x");
           tree.file("documents/budget.ods", "x");
           return std::make_unique<TfrmBrowse>(tree.path("documents"));
         },
         QStringLiteral("browse.html"), true,
         [](QWidget& window, ScriptedDialogs& dialogs, auto&) {
           auto& browse = as<TfrmBrowse>(window);
           // The close query, answered No, then the refusals of the root and a system folder.
           browse.grid->markAll();
           dialogs.answer(Answer::No);
           browse.btClose->click();
           for (const char* folder : {"/", "/usr"}) {
             browse.setFolder(QString::fromLatin1(folder));
             browse.btDeleteDirectory->click();
           }
         }},
        {"file details", [this] { return detailsWindow(); }, QStringLiteral("file-details.html"), true,
         [](QWidget& window, ScriptedDialogs& dialogs, auto&) {
           auto& details = as<TfrmDetails>(window);
           details.btLaunch->click();
           dialogs.printerAccepted(false);
           details.btPrint->click();
         }},
        {"file viewer", [this] { return std::make_unique<TfrmView>(tree.file("notes.txt", "one\ntwo\n"), nullptr); },
         QStringLiteral("file-viewer.html"), true, useViewer},
        {"strings", [this] { return std::make_unique<TfrmView>(tree.file("strings.txt", "Hello strings\n"), nullptr,
                                                               ViewerRole::Strings); },
         QStringLiteral("file-viewer.html"), true, useViewer},
        {"find", [] { return std::make_unique<TFindDlg>(nullptr); }, QStringLiteral("file-viewer.html")},
        {"files accessed", [] { return std::make_unique<TfrmMods>(); }, QStringLiteral("files-accessed.html"), true,
         [this](QWidget& window, auto&, auto&) {
           auto& mods = as<TfrmMods>(window);
           tickOnly(*mods.pckDrive, tree.path("music"));
           mods.btOK->click();
           mods.dtStart->setText(QStringLiteral("someday"));
           mods.btOK->click();
         }},
        {"folder hogs", [] { return std::make_unique<TfrmDirHog>(); }, QStringLiteral("folder-hogs.html"), true,
         [this](QWidget& window, auto&, const std::function<void()>& snapshot) {
           auto& hogs = as<TfrmDirHog>(window);
           tickOnly(*hogs.pckDrive, tree.path("photos"));
           hogs.btTop->click();
           tree.file("photos/2024/beach.jpg", "x");
           hogs.btAll->click();
           snapshot();
         }},
    };
  }

  TempXdg xdg;
  TempHome home;  // no browsers: the cache window finds none
  TempTree tree;
  FakeDriveTable drives;
  FakeFileTypes types;
  FakeProtectionCheck protection;
  QString zipPath = tree.folder("archives");
  QString kept = tree.file("lib/tool.so", "x");
  QString keptToo = tree.file("opt/acme/acme", "x");
  QString gone = tree.file("old.tmp", "x");
};

}  // namespace tessaly::testkit
