#include "stats_window_fixture.h"

#include <QTabWidget>

namespace tessaly::testkit {

namespace {

bool addRootDrive(FakeDriveTable& drives) {
  drives.add(QStringLiteral("/"), platform::DriveKind::Fixed, QStringLiteral("root"), 40e9, 100e9, 4096);
  return true;
}

}  // namespace

StatsWindowTest::StatsWindowTest()
    : rootDriveAdded(addRootDrive(drives)),
      window(
          nullptr, [this](QWidget*) { return choice; },
          [this](QWidget* owner, QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
            preview(owner, printer, paint);
          }) {}

void StatsWindowTest::collect(const QList<WalkRoot>& roots, const TypeFilter& filter) {
  choice = StatisticsChoice{roots, filter};
  window.btOKClick();
}

WalkRoot StatsWindowTest::root(const QString& relative, const QString& text) const {
  return {relative.isEmpty() ? tree.root() : tree.path(relative), text};
}

QString StatsWindowTest::pdfOutput(const QString& name) {
  const QString file = tree.path(name);
  window.printer().setOutputFormat(QPrinter::PdfFormat);
  window.printer().setOutputFileName(file);
  return file;
}

void StatsWindowTest::showPage(int page) { window.OvcNotebook1->setCurrentIndex(page); }

}  // namespace tessaly::testkit
