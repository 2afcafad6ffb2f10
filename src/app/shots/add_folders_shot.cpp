#include "app/shots/shot_scenario.h"
#include "core/common/settings_store.h"
#include "ui/scan/add_new_folder_window.h"

namespace tessaly::shots {
namespace {

const bool registered =
    registerShot({QStringLiteral("add-folders"), QStringLiteral("Add new folders with two folders listed."),
                  [](ShotContext&) -> std::vector<QWidget*> {
                    programSettings().writeList(QStringLiteral("NewFolders"),
                                                {QStringLiteral("/home/me/Music"), QStringLiteral("/srv/photos")});
                    return {new TfrmAddNewFolder};
                  }});

}  // namespace
}  // namespace tessaly::shots
