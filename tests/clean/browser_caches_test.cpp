#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/browser_caches.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

// Folders (and one file in each, as a browser leaves them) below a base folder.
void makeFolders(const QString& base, const QStringList& relatives) {
  for (const QString& relative : relatives) {
    ASSERT_TRUE(QDir().mkpath(base + u'/' + relative));
    QFile file(base + u'/' + relative + QStringLiteral("/entry"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
}

class BrowserCaches : public ::testing::Test {
 protected:
  testkit::TempXdg xdg;
  testkit::TempHome home;
};

TEST_F(BrowserCaches, EachInstalledBrowserProfileGivesItsCacheFoldersInEveryLayout) {
  const QString cache = xdg.cacheHome();
  makeFolders(cache, {
                         // Firefox, native: the cache beside the profile, one profile without a cache yet
                         "mozilla/firefox/k3x9.default-release/cache2/entries",
                         "mozilla/firefox/k3x9.default-release/startupCache",
                         "mozilla/firefox/empty.work",
                         // LibreWolf keeps its profiles in ~/.librewolf
                         "librewolf/p1.default/cache2/entries",
                         // Chromium: two profiles, the cache's own index folder is no entry
                         "chromium/Default/Cache/Cache_Data/index-dir",
                         "chromium/Default/Code Cache/js/index-dir",
                         "chromium/Profile 1/Cache/Cache_Data",
                         // Brave and Opera (whose profile is the browser's folder itself)
                         "BraveSoftware/Brave-Browser/Default/Cache/Cache_Data",
                         "opera/Cache/Cache_Data",
                         // Chrome installed once but never used: no cache folder
                         "google-chrome/Default",
                         // Epiphany's WebKit cache
                         "epiphany/WebKitCache/Version 16/Blobs",
                         "epiphany/WebKitCache/Version 16/Records/9A1F/Resource",
                         // not browsers
                         "thumbnails/normal",
                         "pip/http/a/b",
                     });
  makeFolders(home.path(), {
                               // Firefox, native: the profiles themselves, one that keeps its cache inside
                               ".mozilla/firefox/k3x9.default-release/storage",
                               ".mozilla/firefox/old.default/cache2/entries",
                               // Chrome as Flatpak, and an application that is no browser
                               ".var/app/com.google.Chrome/cache/google-chrome/Default/Cache/Cache_Data",
                               ".var/app/com.google.Chrome/config/google-chrome/Default/Preferences",
                               ".var/app/org.gnome.Calculator/cache/gnome-calculator",
                               // Firefox as Snap
                               "snap/firefox/common/.cache/mozilla/firefox/s7q.default/cache2/entries",
                               "snap/firefox/common/.mozilla/firefox/s7q.default",
                               // Vivaldi is absent: nothing of it anywhere
                           });
  const QString h = home.path();
  EXPECT_EQ(platform::browserCacheFolders(),
            (QStringList{
                cache + "/mozilla/firefox/k3x9.default-release/cache2/entries",
                cache + "/librewolf/p1.default/cache2/entries",
                h + "/.mozilla/firefox/old.default/cache2/entries",
                cache + "/chromium/Default/Cache/Cache_Data",
                cache + "/chromium/Default/Code Cache/js",
                cache + "/chromium/Profile 1/Cache/Cache_Data",
                cache + "/BraveSoftware/Brave-Browser/Default/Cache/Cache_Data",
                cache + "/opera/Cache/Cache_Data",
                cache + "/epiphany/WebKitCache/Version 16/Blobs",
                cache + "/epiphany/WebKitCache/Version 16/Records/9A1F/Resource",
                h + "/.var/app/com.google.Chrome/cache/google-chrome/Default/Cache/Cache_Data",
                h + "/snap/firefox/common/.cache/mozilla/firefox/s7q.default/cache2/entries",
            }));
}

TEST_F(BrowserCaches, NoBrowserGivesNothingAndAFileNamedLikeACacheFolderIsNone) {
  EXPECT_EQ(platform::browserCacheFolders(), QStringList());
  makeFolders(xdg.cacheHome(), {"chromium/Default/Cache"});
  QFile notAFolder(xdg.cacheHome() + "/chromium/Default/Cache/Cache_Data");
  ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
  EXPECT_EQ(platform::browserCacheFolders(), QStringList());
}

}  // namespace
}  // namespace tessaly
