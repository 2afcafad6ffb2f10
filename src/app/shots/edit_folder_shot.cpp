#include <QCheckBox>
#include <QLineEdit>

#include "app/shots/shot_scenario.h"
#include "ui/safeharbor/edit_folder_window.h"

namespace tessaly::shots {
namespace {

const bool registered = registerShot({QStringLiteral("edit-folder"),
                                      QStringLiteral("Edit Folder protecting a folder with its sub-folders."),
                                      [](ShotContext&) -> std::vector<QWidget*> {
                                        auto* editor = new TfrmEditFolder(nullptr);
                                        editor->Edit1->setText(QStringLiteral("/opt/acme/"));
                                        editor->cbAll->setChecked(true);
                                        return {editor};
                                      }});

}  // namespace
}  // namespace tessaly::shots
