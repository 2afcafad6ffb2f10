#include <QTabWidget>

#include "app/shots/shot_scenario.h"
#include "core/safeharbor/folders_file.h"
#include "ui/safeharbor/no_delete_window.h"

namespace tessaly::shots {
namespace {

const bool registered =
    registerShot({QStringLiteral("safe-harbor"), QStringLiteral("The safe harbor window, both pages."),
                  [](ShotContext&) -> std::vector<QWidget*> {
                    QString error;
                    saveFoldersFile({QStringLiteral("/opt/acme/*.*"), QStringLiteral("/usr/share/fonts/"),
                                     QStringLiteral("/home/me/keep/")},
                                    &error);
                    auto* folders = new TfrmNoDelete(nullptr);
                    auto* types = new TfrmNoDelete(nullptr);
                    types->pages->setCurrentIndex(1);
                    return {folders, types};
                  }});

}  // namespace
}  // namespace tessaly::shots
