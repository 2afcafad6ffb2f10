#include <QFile>

#include "app/shots/inspect_shots.h"
#include "app/shots/shot_scenario.h"
#include "core/common/extract_strings.h"
#include "ui/inspect/view_window.h"

namespace tessaly::shots {
namespace {

constexpr int kShortestString = 5;
constexpr int kLongestString = 100;

const bool registered =
    registerShot({QStringLiteral("strings"), QStringLiteral("The strings window of a small Windows program."),
                  [](ShotContext& context) -> std::vector<QWidget*> {
                    // The program's version texts are UTF-16; its messages are plain bytes.
                    const QString program = writeSampleProgram(context.workFolder());
                    QFile file(program);
                    const QByteArray messages =
                        QByteArrayList{"This program cannot be run in DOS mode.", "Could not open file ",
                                       "Search string not found", "Tessaly sample program 3.1",
                                       "Copyright 1999 Quornel Corporation"}
                            .join('\0');
                    if (file.open(QIODevice::Append)) file.write('\0' + messages + '\0');
                    file.close();
                    const QString strings = context.workFolder() + QStringLiteral("/strings.txt");
                    extractStrings(program, strings, kShortestString, kLongestString);
                    return {new TfrmView(strings, nullptr, ViewerRole::Strings)};
                  }});

}  // namespace
}  // namespace tessaly::shots
