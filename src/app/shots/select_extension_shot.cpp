#include "app/shots/shot_scenario.h"
#include "ui/scan/select_extension_window.h"

namespace tessaly::shots {
namespace {

const bool registered = registerShot({QStringLiteral("select-extension"),
                                      QStringLiteral("Select a file extension over the known file types."),
                                      [](ShotContext&) -> std::vector<QWidget*> { return {new TfrmSelectExtension}; }});

}  // namespace
}  // namespace tessaly::shots
