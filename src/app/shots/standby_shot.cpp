#include <QProgressBar>

#include "app/shots/shot_scenario.h"
#include "ui/common/standby_window.h"

namespace tessaly::shots {
namespace {

const bool registered = registerShot({QStringLiteral("standby"), QStringLiteral("Loading Files, a third of the way."),
                                      [](ShotContext&) -> std::vector<QWidget*> {
                                        auto* standBy = new TfrmStandBy;
                                        standBy->bar->setValue(33);
                                        return {standBy};
                                      }});

}  // namespace
}  // namespace tessaly::shots
