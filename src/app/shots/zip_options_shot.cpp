#include "app/shots/shot_scenario.h"
#include "ui/archive/zip_options_window.h"

namespace tessaly::shots {
namespace {

const bool registered =
    registerShot({QStringLiteral("zip-options"), QStringLiteral("Archive Zip File Options with the home folder."),
                  [](ShotContext&) -> std::vector<QWidget*> {
                    static QString archiveFolder;
                    return {new TfrmZipOptions(archiveFolder)};
                  }});

}  // namespace
}  // namespace tessaly::shots
