// tessaly-shots: pictures one window of the program for the screenshots in docs/ and for a
// look at a window before it is called done. Each window registers a scenario in its own file
// here; scripts/screenshot.sh runs this on a virtual display.
#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/shots/desktop_drives.h"
#include "app/shots/shot_scenario.h"
#include "core/common/date_texts.h"
#include "core/common/dialogs.h"

namespace {

using tessaly::shots::Shot;

// Time for the windows to be mapped and painted before the picture.
constexpr int kPaintMilliseconds = 800;
constexpr int kGapPixels = 16;

void printLine(const QString& text) {
  std::fputs(text.toUtf8().constData(), stdout);
  std::fputc('\n', stdout);
}

// The windows side by side, each as it paints itself, on a neutral background.
QPixmap pictureOf(const std::vector<QWidget*>& windows) {
  std::vector<QPixmap> pictures;
  for (QWidget* window : windows) pictures.push_back(window->grab());
  const qreal ratio = pictures.empty() ? 1.0 : pictures.front().devicePixelRatio();
  const int gap = int(kGapPixels * ratio);
  int width = 0;
  int height = 0;
  for (const QPixmap& picture : pictures) {
    width += picture.width() + (width ? gap : 0);
    height = std::max(height, picture.height());
  }
  QPixmap whole(std::max(width, 1), std::max(height, 1));
  whole.fill(Qt::white);
  QPainter painter(&whole);
  int x = 0;
  for (QPixmap picture : pictures) {
    picture.setDevicePixelRatio(1.0);
    painter.drawPixmap(x, 0, picture);
    x += picture.width() + gap;
  }
  return whole;
}

int takeShot(const Shot& shot, const QString& output) {
  QTemporaryDir work;
  tessaly::shots::ShotContext context(work.path());
  std::vector<QWidget*> windows = shot.scenario(context);
  if (windows.empty()) {
    std::fputs("The scenario made no window.\n", stderr);
    return 1;
  }
  for (QWidget* window : windows) window->show();
  context.settle(kPaintMilliseconds);
  const bool saved = pictureOf(windows).save(output, "PNG");
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) delete *it;
  if (!saved) {
    std::fputs(qPrintable(QStringLiteral("Couldn't save %1\n").arg(output)), stderr);
    return 1;
  }
  printLine(QStringLiteral("Saved ") + output);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tessaly 99"));
  // Nothing may wait for a person: every box is refused.
  tessaly::RefusingDialogs dialogs;
  tessaly::setDialogs(&dialogs);
  // Every picture shows dates and numbers as a user in the United States sees them, whatever
  // the locale of the machine that takes it.
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  tessaly::setShortDateFormat(tessaly::fix2000(QLocale().dateFormat(QLocale::ShortFormat)));
  const tessaly::shots::DesktopDrives drives(tessaly::platform::driveTable());
  tessaly::platform::setDriveTable(&drives);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Pictures one window of Tessaly 99."));
  parser.addHelpOption();
  const QCommandLineOption list(QStringLiteral("list"), QStringLiteral("Lists the windows that can be pictured."));
  parser.addOption(list);
  parser.addPositionalArgument(QStringLiteral("name"), QStringLiteral("The window's scenario."));
  parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("The PNG file to write."));
  parser.process(app);

  std::vector<Shot> sorted = tessaly::shots::shots();
  std::sort(sorted.begin(), sorted.end(), [](const Shot& a, const Shot& b) { return a.name < b.name; });
  if (parser.isSet(list)) {
    for (const Shot& shot : sorted) printLine(shot.name + QStringLiteral("\t") + shot.summary);
    return 0;
  }
  const QStringList arguments = parser.positionalArguments();
  if (arguments.size() != 2) parser.showHelp(2);
  for (const Shot& shot : sorted)
    if (shot.name == arguments[0]) return takeShot(shot, arguments[1]);
  std::fputs(qPrintable(QStringLiteral("No window is called %1; --list names them.\n").arg(arguments[0])), stderr);
  return 2;
}
