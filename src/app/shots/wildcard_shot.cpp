#include <QComboBox>

#include "app/shots/shot_scenario.h"
#include "ui/scan/wild_card_window.h"

namespace tessaly::shots {
namespace {

const bool registered = registerShot({QStringLiteral("wildcard"), QStringLiteral("Wildcard pattern holding *.txt."),
                                      [](ShotContext&) -> std::vector<QWidget*> {
                                        auto* window = new TfrmWildCard;
                                        window->cbWildCard->setEditText(QStringLiteral("*.txt"));
                                        return {window};
                                      }});

}  // namespace
}  // namespace tessaly::shots
