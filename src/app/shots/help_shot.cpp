#include "app/shots/shot_scenario.h"
#include "platform/xdg_paths.h"
#include "ui/common/help_window.h"

namespace tessaly::shots {
namespace {

const bool registered =
    registerShot({QStringLiteral("help"), QStringLiteral("The help viewer at the safe harbor page."),
                  [](ShotContext&) -> std::vector<QWidget*> {
                    auto* viewer = new TfrmHelp(nullptr);
                    viewer->showPage(platform::manualFolder(), QStringLiteral("safe-harbor.html"));
                    return {viewer};
                  }});

}  // namespace
}  // namespace tessaly::shots
