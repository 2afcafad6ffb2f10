#include <QListWidget>
#include <QSpinBox>

#include "app/shots/shot_scenario.h"
#include "platform/host_files.h"
#include "ui/clean/cache_window.h"

namespace tessaly::shots {
namespace {

// A home with the browsers people have: Firefox and Chromium from the distribution, Chrome as
// a Flatpak, Firefox as a Snap.
const QStringList kBrowserCaches = {
    QStringLiteral("cache/mozilla/firefox/k3x9f2aa.default-release/cache2/entries"),
    QStringLiteral("cache/chromium/Default/Cache/Cache_Data"),
    QStringLiteral("cache/chromium/Default/Code Cache/js"),
    QStringLiteral("cache/chromium/Profile 1/Cache/Cache_Data"),
    QStringLiteral("home/.var/app/com.google.Chrome/cache/google-chrome/Default/Cache/Cache_Data"),
    QStringLiteral("home/snap/firefox/common/.cache/mozilla/firefox/q8v1mm0c.default/cache2/entries"),
};

std::vector<QWidget*> cacheWindow(ShotContext& context) {
  const QString work = context.workFolder();
  for (const QString& folder : kBrowserCaches) platform::makeFolders(work + u'/' + folder, nullptr);
  // The tool pictures one window and ends, so the browsers it looks for are the ones made here.
  qputenv("HOME", (work + QStringLiteral("/home")).toUtf8());
  qputenv("XDG_CACHE_HOME", (work + QStringLiteral("/cache")).toUtf8());
  auto* window = new TfrmCache;
  window->show();
  window->ListBox1->setCurrentRow(1);
  window->nDays->setValue(30);  // as a person clearing last month's files would
  return {window};
}

const bool registered = registerShot({QStringLiteral("cache"),
                                      QStringLiteral("The internet cache window listing the browsers' cache folders."),
                                      cacheWindow});

}  // namespace
}  // namespace tessaly::shots
