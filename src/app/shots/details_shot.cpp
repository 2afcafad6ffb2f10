#include "app/shots/inspect_shots.h"
#include "app/shots/shot_scenario.h"
#include "ui/inspect/details_window.h"

namespace tessaly::shots {
namespace {

const bool registered = registerShot({QStringLiteral("details"),
                                      QStringLiteral("File Details of a small Windows program with version information."),
                                      [](ShotContext& context) -> std::vector<QWidget*> {
                                        return {new TfrmDetails(writeSampleProgram(context.workFolder()), nullptr)};
                                      }});

}  // namespace
}  // namespace tessaly::shots
