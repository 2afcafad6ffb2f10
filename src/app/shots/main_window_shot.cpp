#include "app/shots/shot_scenario.h"
#include "ui/main/main_window.h"

namespace tessaly::shots {
namespace {

const bool registered = registerShot({QStringLiteral("main"), QStringLiteral("The launcher as a new user first sees it."),
                                      [](ShotContext&) -> std::vector<QWidget*> { return {new TfrmMain}; }});

}  // namespace
}  // namespace tessaly::shots
