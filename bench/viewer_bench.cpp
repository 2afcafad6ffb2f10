// Opens the file viewer on a large file and prints how long the first page and the last page
// take to show, in text and in hexadecimal mode. Run by bench/viewer.sh in a Release build.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <cstdio>

#include "ui/inspect/file_viewer.h"
#include "ui/inspect/view_window.h"

namespace {

double elapsedMs(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

// Shows the first page, then the last, and prints both times.
void measure(const QString& path, tessaly::ViewMode mode, const char* what) {
  QElapsedTimer timer;
  timer.start();
  tessaly::TfrmView window(path, nullptr);
  window.Viewer1->setMode(mode);
  window.show();
  window.Viewer1->viewport()->repaint();
  const double firstPage = elapsedMs(timer);

  timer.restart();
  QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
  QApplication::sendEvent(window.Viewer1, &end);
  window.Viewer1->viewport()->repaint();
  const double lastPage = elapsedMs(timer);
  std::printf("%-5s first page %8.2f ms   last page %8.2f ms\n", what, firstPage, lastPage);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "Usage: viewer_bench FILE\n");
    return 2;
  }
  const QString path = QString::fromLocal8Bit(argv[1]);
  measure(path, tessaly::ViewMode::Text, "text");
  measure(path, tessaly::ViewMode::Hex, "hex");
  return 0;
}
