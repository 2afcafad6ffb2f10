#include "app/shots/shot_scenario.h"
#include "ui/main/about_window.h"

namespace tessaly::shots {
namespace {

const bool registered = registerShot({QStringLiteral("about"), QStringLiteral("How to contact us."),
                                      [](ShotContext&) -> std::vector<QWidget*> { return {new TfrmAbout(nullptr)}; }});

}  // namespace
}  // namespace tessaly::shots
