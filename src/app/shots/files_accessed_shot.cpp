#include <QRadioButton>

#include "app/shots/sample_home.h"
#include "app/shots/shot_scenario.h"
#include "ui/dates/date_box.h"
#include "ui/dates/mods_window.h"
#include "ui/scan/drive_check_list.h"

namespace tessaly::shots {
namespace {

constexpr int kYearsUnread = 1;

std::vector<QWidget*> filesAccessed(ShotContext& context) {
  auto* window = new TfrmMods;
  window->pckDrive->setItems(itemsTickingOnly(DriveListUse::FilesAccessed, makeSampleHome(context.workFolder())));
  window->resize(760, 460);
  window->show();
  // The files nobody has read for a year.
  window->rbOnOrBefore->setChecked(true);
  window->dtStart->setDate(QDate::currentDate().addYears(-kYearsUnread));
  window->btOKClick();
  return {window};
}

const bool registered = registerShot(
    {QStringLiteral("files-accessed"),
     QStringLiteral("Files in a range of dates: the files of a small home folder not read for a year."), filesAccessed});

}  // namespace
}  // namespace tessaly::shots
