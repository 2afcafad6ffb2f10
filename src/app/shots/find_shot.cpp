#include "app/shots/shot_scenario.h"
#include "ui/inspect/find_dialog.h"

namespace tessaly::shots {
namespace {

const bool registered = registerShot({QStringLiteral("find"), QStringLiteral("The viewer's Find dialog."),
                                      [](ShotContext&) -> std::vector<QWidget*> { return {new TFindDlg(nullptr)}; }});

}  // namespace
}  // namespace tessaly::shots
