#include <QLocale>

#include "app/shots/inspect_shots.h"
#include "app/shots/shot_scenario.h"
#include "core/common/date_texts.h"
#include "ui/inspect/details_window.h"

namespace tessaly::shots {
namespace {

const bool registered = registerShot({QStringLiteral("details"),
                                      QStringLiteral("File Details of a small Windows program with version information."),
                                      [](ShotContext& context) -> std::vector<QWidget*> {
                                        // The dates as a user in the United States sees them.
                                        setShortDateFormat(fix2000(
                                            QLocale(QLocale::English, QLocale::UnitedStates).dateFormat(QLocale::ShortFormat)));
                                        return {new TfrmDetails(writeSampleProgram(context.workFolder()), nullptr)};
                                      }});

}  // namespace
}  // namespace tessaly::shots
