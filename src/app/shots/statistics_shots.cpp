#include <QTabWidget>

#include "app/shots/shot_scenario.h"
#include "ui/stats/statistics_window.h"

namespace tessaly::shots {
namespace {

// A folder every Debian machine has, with files of many types, sizes and ages.
const QString kScannedFolder = QStringLiteral("/usr/share");

// The statistics window after a collection over the folder, showing one page.
ShotScenario afterRun(StatisticsPage page) {
  return [page](ShotContext&) -> std::vector<QWidget*> {
    auto* window = new TfrmStatistics(nullptr, [](QWidget*) {
      return std::optional<StatisticsChoice>({{{kScannedFolder, kScannedFolder + u' '}}, TypeFilter()});
    });
    window->show();
    window->btOKClick();
    window->OvcNotebook1->setCurrentIndex(page);
    return {window};
  };
}

const bool registered =
    registerShot({QStringLiteral("statistics-space"), QStringLiteral("Statistics: used and free space of the drives."),
                  afterRun(kSpacePage)}) &&
    registerShot({QStringLiteral("statistics-types"),
                  QStringLiteral("Statistics: the file types of /usr/share as a pie by size."), afterRun(kTypesPage)}) &&
    registerShot({QStringLiteral("statistics-time"),
                  QStringLiteral("Statistics: the times of day the files of /usr/share were written."),
                  afterRun(kTimePage)});

}  // namespace
}  // namespace tessaly::shots
