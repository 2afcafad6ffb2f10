#include <QPushButton>
#include <QRadioButton>

#include "app/shots/shot_scenario.h"
#include "ui/scan/which_drive_window.h"

namespace tessaly::shots {
namespace {

const bool registered = registerShot({QStringLiteral("which-drives"),
                                      QStringLiteral("The statistics wizard at its first step and at its file types."),
                                      [](ShotContext&) -> std::vector<QWidget*> {
                                        auto* first = new TfrmWhichDrive;
                                        auto* third = new TfrmWhichDrive;
                                        third->btNext1Click();
                                        third->rbSelected->setChecked(true);
                                        third->btNext2Click();
                                        return {first, third};
                                      }});

}  // namespace
}  // namespace tessaly::shots
