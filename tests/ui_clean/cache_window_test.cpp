#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "core/clean/cache_files.h"
#include "core/common/settings_store.h"
#include "core/safeharbor/safe_harbor.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/clean/cache_window.h"
#include "ui/deletion/really_delete_window.h"
#include "ui_clean/modal_windows.h"

namespace tessaly {
namespace {

const QString kNothingFound = QStringLiteral(
    "Could not find any internet cache folders on your machine.  You may add them in manually if you know where "
    "they are located.  Typically they will exist under your browser folder with the folder name of \"cache\".");

qint64 daysAgo(int days) { return QDateTime::currentDateTime().addDays(-days).toSecsSinceEpoch(); }

// A home holding each browser layout: Firefox native, Chromium, Chrome as Flatpak, Firefox as
// Snap; Vivaldi is absent.
class CacheWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const QString& folder : installedCaches()) ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QDir().mkpath(home.path(".mozilla/firefox/k3x9.default-release")));
  }
  QStringList installedCaches() const {
    return {xdg.cacheHome() + "/mozilla/firefox/k3x9.default-release/cache2/entries",
            xdg.cacheHome() + "/chromium/Default/Cache/Cache_Data",
            home.path(".var/app/com.google.Chrome/cache/google-chrome/Default/Cache/Cache_Data"),
            home.path("snap/firefox/common/.cache/mozilla/firefox/s7q.default/cache2/entries")};
  }
  // Shown as the program shows it, with the deletion window replaced by a record of requests.
  std::unique_ptr<TfrmCache> open() {
    auto window = std::make_unique<TfrmCache>();
    window->runDeletion = [this](const DeletionRequest& request) { requests.push_back(request); };
    window->show();
    return window;
  }
  QString file(const QString& relative, int accessedDaysAgo, qint64 size) {
    const QString path = tree.file(relative, size, 'c');
    tree.setTimes(relative, daysAgo(accessedDaysAgo), daysAgo(accessedDaysAgo));
    return path;
  }
  void selectRow(TfrmCache& window, int row) { window.ListBox1->setCurrentRow(row, QItemSelectionModel::ClearAndSelect); }

  testkit::TempXdg xdg;
  testkit::TempHome home;
  testkit::TempTree tree;
  testkit::ScriptedDialogs dialogs;
  std::vector<DeletionRequest> requests;
};

TEST_F(CacheWindow, TheFirstOpeningListsTheInstalledBrowsersCachesAndLaterOpeningsTheStoredList) {
  {
    auto window = open();
    EXPECT_EQ(window->folders(), installedCaches());
    EXPECT_FALSE(window->btInit->isVisible());
    EXPECT_EQ(window->nDays->value(), 0);
    EXPECT_EQ(window->nDays->maximum(), 100);
    window->close();
  }
  EXPECT_EQ(programSettings().readList(kCacheFilesSection, {"never stored"}), installedCaches());
  // The browsers move their caches; the stored list stays until the user changes it.
  ASSERT_TRUE(QDir(xdg.cacheHome() + "/chromium").removeRecursively());
  ASSERT_TRUE(QDir().mkpath(xdg.cacheHome() + "/vivaldi/Default/Cache/Cache_Data"));
  auto window = open();
  EXPECT_EQ(window->folders(), installedCaches());
}

TEST_F(CacheWindow, InitializeListsExactlyTheFoldersThatExistAndSaysSoWhenThereAreNone) {
  writeCacheFolders({});
  {
    auto window = open();
    EXPECT_TRUE(window->folders().isEmpty());
    ASSERT_TRUE(window->btInit->isVisible());
    window->btInit->click();
    EXPECT_EQ(window->folders(), installedCaches());
    EXPECT_FALSE(window->btInit->isVisible());
    EXPECT_TRUE(dialogs.texts().isEmpty());
  }
  for (const QString& folder : {xdg.cacheHome(), home.path()}) ASSERT_TRUE(QDir(folder).removeRecursively());
  auto window = open();
  window->btInit->click();
  EXPECT_TRUE(window->folders().isEmpty());
  EXPECT_TRUE(window->btInit->isVisible());
  EXPECT_EQ(dialogs.texts(MessageStyle::Information), QStringList{kNothingFound});
}

TEST_F(CacheWindow, DeleteWantsASelectionAsksAndDeletingTheLastFolderShowsInitialize) {
  writeCacheFolders({"/srv/a", "/srv/b"});
  auto window = open();
  window->ListBox1->clearSelection();
  window->btDel->click();
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Select a folder from the list above"});

  selectRow(*window, 1);
  dialogs.answer(Answer::Cancel);
  window->btDel->click();
  EXPECT_EQ(window->folders(), (QStringList{"/srv/a", "/srv/b"}));
  selectRow(*window, 1);
  dialogs.answer(Answer::Ok);
  window->btDel->click();
  EXPECT_EQ(window->folders(), QStringList{"/srv/a"});
  EXPECT_FALSE(window->btInit->isVisible());

  selectRow(*window, 0);
  dialogs.answer(Answer::Ok);
  window->btDel->click();
  EXPECT_TRUE(window->folders().isEmpty());
  EXPECT_TRUE(window->btInit->isVisible());
  EXPECT_EQ(dialogs.texts(MessageStyle::Question), (QStringList{"Really delete /srv/b", "Really delete /srv/b", "Really delete /srv/a"}));
  window->close();
  EXPECT_EQ(readCacheFolders(), QStringList());
}

TEST_F(CacheWindow, AddAppendsTheChosenFolderEvenTwiceAndClosingStoresTheListInOrder) {
  writeCacheFolders({"/srv/z"});
  auto window = open();
  for (const char* chosen : {"/srv/a", "/srv/a", ""}) {
    dialogs.chooseText(chosen);
    window->btAdd->click();
  }
  EXPECT_EQ(window->folders(), (QStringList{"/srv/z", "/srv/a", "/srv/a"}));
  window->close();
  EXPECT_EQ(readCacheFolders(), (QStringList{"/srv/z", "/srv/a", "/srv/a"}));
}

TEST_F(CacheWindow, ClearHandsOverTheFilesOfEachFolderOldEnoughAndStaysOpen) {
  const QString recent = file("one/recent", 29, 1);
  const QString old = file("one/old", 30, 200);
  const QString hidden = file("one/.hidden", 45, 30);
  file("one/sub/older", 90, 4000);
  const QString other = file("two/x", 31, 5);
  writeCacheFolders({tree.path("one"), tree.path("two")});
  auto window = open();
  window->nDays->setValue(30);
  window->btClear->click();
  ASSERT_EQ(requests.size(), 1U);
  EXPECT_EQ(requests[0].files, (QStringList{hidden, old, other}));
  EXPECT_EQ(requests[0].potentialSavings, 235.0);
  EXPECT_EQ(requests[0].archiveTag, "InternetCache");
  EXPECT_FALSE(requests[0].files.contains(recent));
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(CacheWindow, ClearWithNothingOldEnoughSaysNoFilesFoundToClear) {
  file("one/fresh", 2, 10);
  writeCacheFolders({tree.path("one"), tree.path("missing")});
  auto window = open();
  window->nDays->setValue(3);
  window->btClear->click();
  EXPECT_TRUE(requests.empty());
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"No files found to clear"});
}

TEST_F(CacheWindow, ACacheFileInASafeHarborFolderIsHeldBackByTheDeletionWindow) {
  const QString kept = file("keep/a", 40, 1);
  const QString gone = file("cache/b", 40, 1);
  SafeHarbor harbor([] { return HostFolders{}; });
  harbor.setFolderLists({tree.path("keep/")}, true, HostFolders{});
  setProtectionCheck(&harbor);
  writeCacheFolders({tree.path("keep"), tree.path("cache")});
  auto window = std::make_unique<TfrmCache>();
  window->show();
  testkit::DeletionPanels panels;
  testkit::cancelNextDeletion(panels);
  window->btClear->click();
  setProtectionCheck(nullptr);
  EXPECT_EQ(panels.toDelete, QStringList{gone});
  EXPECT_EQ(panels.safeHarbor, QStringList{kept});
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace tessaly
