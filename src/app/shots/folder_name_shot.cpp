#include <QLineEdit>

#include "app/shots/shot_scenario.h"
#include "ui/archive/folder_name_window.h"

namespace tessaly::shots {
namespace {

const bool registered =
    registerShot({QStringLiteral("folder-name"), QStringLiteral("Create Sub-folder with a name typed."),
                  [](ShotContext&) -> std::vector<QWidget*> {
                    auto* window = new TfrmGetFolderName;
                    window->setWindowTitle(QStringLiteral("Create Sub-folder"));
                    window->Edit1->setText(QStringLiteral("restored"));
                    return {window};
                  }});

}  // namespace
}  // namespace tessaly::shots
