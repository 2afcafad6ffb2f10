#include "app/shots/shot_scenario.h"
#include "ui/lists/pattern_list_window.h"

namespace tessaly::shots {
namespace {

const bool registered = registerShot({QStringLiteral("pattern-lists"),
                                      QStringLiteral("The temporary file and keep list editors with their defaults."),
                                      [](ShotContext&) -> std::vector<QWidget*> {
                                        return {new TfrmTempFiles(nullptr), new TfrmKeepFiles(nullptr)};
                                      }});

}  // namespace
}  // namespace tessaly::shots
