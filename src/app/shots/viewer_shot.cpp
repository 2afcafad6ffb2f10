#include "app/shots/inspect_shots.h"
#include "app/shots/shot_scenario.h"
#include "ui/inspect/file_viewer.h"
#include "ui/inspect/view_window.h"

namespace tessaly::shots {
namespace {

const bool registered =
    registerShot({QStringLiteral("viewer"), QStringLiteral("The file viewer showing a small Windows program in hexadecimal."),
                  [](ShotContext& context) -> std::vector<QWidget*> {
                    auto* view = new TfrmView(writeSampleProgram(context.workFolder()), nullptr);
                    view->HexMode1->trigger();
                    return {view};
                  }});

}  // namespace
}  // namespace tessaly::shots
