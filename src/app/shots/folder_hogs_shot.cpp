#include "app/shots/sample_home.h"
#include "app/shots/shot_scenario.h"
#include "ui/hogs/dir_hog_window.h"
#include "ui/scan/drive_check_list.h"

namespace tessaly::shots {
namespace {

std::vector<QWidget*> folderHogs(ShotContext& context) {
  auto* window = new TfrmDirHog;
  window->pckDrive->setItems(itemsTickingOnly(DriveListUse::ScanningTools, makeSampleHome(context.workFolder())));
  window->resize(760, 460);
  window->show();
  window->btTopClick();
  return {window};
}

const bool registered = registerShot(
    {QStringLiteral("folder-hogs"), QStringLiteral("Folder hogs after a main-folders scan of a small home folder."),
     folderHogs});

}  // namespace
}  // namespace tessaly::shots
