#include "app/shots/shot_scenario.h"
#include "ui/lists/stat_list_window.h"

namespace tessaly::shots {
namespace {

const bool registered = registerShot(
    {QStringLiteral("file-types"), QStringLiteral("The statistics file types editor with its defaults."),
     [](ShotContext&) -> std::vector<QWidget*> { return {new TfrmStatList(nullptr, QStringLiteral("Include"))}; }});

}  // namespace
}  // namespace tessaly::shots
