#include "platform/browser_caches.h"

#include <sys/stat.h>

#include <QSet>
#include <algorithm>
#include <vector>

#include "platform/host_files.h"
#include "platform/host_path.h"
#include "platform/xdg_paths.h"

namespace tessaly::platform {
namespace {

// Where a browser keeps its files: the user's cache folder and home folder, or the ones a
// sandbox gives the browser instead.
struct BrowserPlace {
  QString cacheHome;
  QString home;
};

enum class Below { CacheHome, Home };

// Where one kind of browser keeps its caches below a place: the profile folders, and in each
// profile the folders whose own files are the cache. A part ending in "*" stands for every
// folder whose name begins with the text before it ("*" alone for every folder).
struct CacheLayout {
  Below below;
  QString profiles;
  QStringList cacheFolders;
};

// Firefox and its relatives keep one cache per profile. It sits in the cache folder below the
// profile folder's name without its dot (~/.librewolf/x gives ~/.cache/librewolf/x), or inside
// the profile itself when the profile lives elsewhere.
const QStringList kGeckoCache = {QStringLiteral("cache2/entries")};
const QStringList kGeckoProfilesBelowCache = {
    QStringLiteral("mozilla/*/*"),  // Firefox, SeaMonkey
    QStringLiteral("*/*"),          // LibreWolf, Waterfox, Floorp, Thunderbird
};
const QString kGeckoProfilesBelowHome = QStringLiteral(".mozilla/*/*");

// Chromium and the browsers built on it: one folder per browser and channel in the cache
// folder, holding the profile itself (Opera) or a folder per profile ("Default", "Profile 1").
// The profile's cache folders keep their own index in an "index-dir" sub-folder, left alone.
const QStringList kChromiumBrowsers = {
    QStringLiteral("chromium"),       QStringLiteral("google-chrome*"), QStringLiteral("BraveSoftware/Brave-Browser*"),
    QStringLiteral("vivaldi*"),       QStringLiteral("opera*"),         QStringLiteral("microsoft-edge*"),
};
const QStringList kChromiumCache = {QStringLiteral("Cache/Cache_Data"), QStringLiteral("Code Cache/js"),
                                    QStringLiteral("Code Cache/wasm")};

// WebKit's network cache (Epiphany, and every other program that shows pages with WebKitGTK):
// the bodies in Blobs, the records by partition and kind.
const QString kWebKitCaches = QStringLiteral("*/WebKitCache/Version *");
const QStringList kWebKitCache = {QStringLiteral("Blobs"), QStringLiteral("Records/*/*")};

std::vector<CacheLayout> cacheLayouts() {
  std::vector<CacheLayout> layouts;
  for (const QString& profiles : kGeckoProfilesBelowCache) layouts.push_back({Below::CacheHome, profiles, kGeckoCache});
  layouts.push_back({Below::Home, kGeckoProfilesBelowHome, kGeckoCache});
  for (const QString& browser : kChromiumBrowsers) {
    layouts.push_back({Below::CacheHome, browser, kChromiumCache});
    layouts.push_back({Below::CacheHome, browser + QStringLiteral("/*"), kChromiumCache});
  }
  layouts.push_back({Below::CacheHome, kWebKitCaches, kWebKitCache});
  return layouts;
}

bool isFolder(const QString& path) {
  struct stat st;
  return ::stat(encodePath(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The sub-folders of a folder whose names begin with the prefix, in name order.
QStringList subFolders(const QString& folder, const QString& prefix) {
  std::vector<FolderEntry> entries;
  QStringList names;
  if (!listFolder(folder, &entries)) return names;
  for (const FolderEntry& entry : entries)
    if (entry.isFolder && entry.name.startsWith(prefix)) names.append(entry.name);
  std::sort(names.begin(), names.end());
  return names;
}

QStringList expandPattern(const QString& base, const QString& pattern) {
  QStringList reached{base};
  for (const QString& part : pattern.split(u'/')) {
    QStringList next;
    for (const QString& folder : std::as_const(reached)) {
      if (!part.endsWith(u'*')) {
        next.append(folder + u'/' + part);
        continue;
      }
      for (const QString& name : subFolders(folder, part.chopped(1))) next.append(folder + u'/' + name);
    }
    reached = std::move(next);
  }
  reached.removeIf([](const QString& path) { return !isFolder(path); });
  return reached;
}

// The user's own place first, then each Flatpak application (its home is ~/.var/app/<id>,
// its cache folder the "cache" inside) and each Snap (common files and the current revision).
std::vector<BrowserPlace> browserPlaces() {
  const QString home = homeFolder();
  std::vector<BrowserPlace> places{{cacheHome(), home}};
  const QString flatpaks = home + QStringLiteral("/.var/app");
  for (const QString& id : subFolders(flatpaks, QString())) {
    const QString app = flatpaks + u'/' + id;
    places.push_back({app + QStringLiteral("/cache"), app});
  }
  const QString snaps = home + QStringLiteral("/snap");
  for (const QString& name : subFolders(snaps, QString())) {
    for (const QString& kind : {QStringLiteral("common"), QStringLiteral("current")}) {
      const QString snapHome = snaps + u'/' + name + u'/' + kind;
      places.push_back({snapHome + QStringLiteral("/.cache"), snapHome});
    }
  }
  return places;
}

}  // namespace

QStringList browserCacheFolders() {
  const std::vector<CacheLayout> layouts = cacheLayouts();
  QStringList folders;
  QSet<QString> seen;
  for (const BrowserPlace& place : browserPlaces()) {
    for (const CacheLayout& layout : layouts) {
      const QString& base = layout.below == Below::CacheHome ? place.cacheHome : place.home;
      for (const QString& profile : expandPattern(base, layout.profiles))
        for (const QString& cacheFolder : layout.cacheFolders)
          for (const QString& folder : expandPattern(profile, cacheFolder))
            if (!seen.contains(folder)) {
              seen.insert(folder);
              folders.append(folder);
            }
    }
  }
  return folders;
}

}  // namespace tessaly::platform
