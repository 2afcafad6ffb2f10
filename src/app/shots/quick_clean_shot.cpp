#include <QFile>

#include "app/shots/shot_scenario.h"
#include "core/common/settings_store.h"
#include "platform/host_files.h"
#include "ui/clean/clean_window.h"
#include "ui/grid/marked_grid.h"
#include "ui/scan/drive_check_list.h"

namespace tessaly::shots {
namespace {

// What a few months of work leave behind in a home folder.
struct LeftOver {
  const char* path;
  int size;
};
const LeftOver kLeftOvers[] = {
    {"Documents/thesis/chapter3.odt.bak", 184320}, {"Documents/thesis/chapter2.odt.bak", 96512},
    {"Documents/letters/tax-2024.old", 40960},     {"Projects/site/build/bundle.js.tmp", 1258291},
    {"Projects/site/notes.tmp", 2140},             {"Projects/photos/export/IMG_2041.jpg.tmp", 3461120},
    {"Downloads/setup.$$$", 524288},               {"Downloads/old-drivers.chk", 8192},
};

std::vector<QWidget*> quickCleanWindow(ShotContext& context) {
  const QString home = context.workFolder() + QStringLiteral("/home");
  for (const LeftOver& file : kLeftOvers) {
    const QString path = home + u'/' + QString::fromUtf8(file.path);
    platform::makeFolders(path.left(path.lastIndexOf(u'/')), nullptr);
    QFile out(path);
    if (out.open(QIODevice::WriteOnly)) out.resize(file.size);
  }
  programSettings().writeList(QStringLiteral("NewFolders"), {home});
  auto* window = new TfrmClean;
  window->show();
  // Only the folder made here is searched, whatever the machine's drives hold.
  DriveCheckList& drives = *window->pckDrive;
  for (int row = 0; row < drives.count(); ++row)
    drives.item(row)->setCheckState(drives.items()[row].path == home ? Qt::Checked : Qt::Unchecked);
  window->btScanClick();
  for (int row : {0, 2}) window->grid->toggleRow(row);
  window->grid->setCurrentIndex(window->grid->model()->index(2, 0));
  return {window};
}

const bool registered = registerShot({QStringLiteral("quick-clean"),
                                      QStringLiteral("Quick clean after a search of a home folder, two files marked."),
                                      quickCleanWindow});

}  // namespace
}  // namespace tessaly::shots
