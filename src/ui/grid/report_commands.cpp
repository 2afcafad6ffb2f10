#include "ui/grid/report_commands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <utility>

#include "core/common/dialogs.h"
#include "core/grid/grid_text.h"
#include "platform/host_path.h"
#include "ui/common/report_printer.h"

namespace tessaly {

FileDialogRequest webPageSaveRequest() {
  FileDialogRequest request;
  request.caption = QStringLiteral("Save file listing as web page");
  request.defaultName = QStringLiteral("save.htm");
  request.defaultExtension = QStringLiteral(".htm");
  request.filters = QStringList{QStringLiteral("HTM files (*.htm)"), QStringLiteral("HTML files (*.html)"),
                                QStringLiteral("All files (*)")};
  return request;
}

ReportCommands::ReportCommands(ReportSource source, QObject* parent)
    : QObject(parent),
      source_(std::move(source)),
      print_(new QAction(QStringLiteral("Print"), this)),
      copyNames_(new QAction(QStringLiteral("Filenames only"), this)),
      copyGrid_(new QAction(QStringLiteral("Entire grid separated by tabs"), this)),
      webPage_(new QAction(QStringLiteral("Web page"), this)) {
  connect(print_, &QAction::triggered, this, &ReportCommands::printReport);
  connect(copyNames_, &QAction::triggered, this, &ReportCommands::copyNames);
  connect(copyGrid_, &QAction::triggered, this, &ReportCommands::copyEntireGrid);
  connect(webPage_, &QAction::triggered, this, &ReportCommands::saveWebPage);
}

void ReportCommands::addTo(QMenu* menu, const QString& namesCaption) {
  copyNames_->setText(namesCaption);
  menu->addAction(print_);
  QMenu* clipboard = menu->addMenu(QStringLiteral("Clipboard"));
  clipboard->addAction(copyNames_);
  clipboard->addAction(copyGrid_);
  menu->addAction(webPage_);
}

void ReportCommands::printReport() {
  const QString title = source_.printTitle();
  if (!dialogs().setUpPrinter(printer_)) return;
  printGrid(printer_, source_.grid(), title);
}

void ReportCommands::copyNames() {
  QGuiApplication::clipboard()->setText(platform::displayPath(clipboardText(source_.nameLines())));
}

void ReportCommands::copyEntireGrid() {
  QGuiApplication::clipboard()->setText(platform::displayPath(clipboardText(gridAsTabLines(source_.grid()))));
}

void ReportCommands::saveWebPage() {
  const QString fileName = dialogs().saveFileName(webPageSaveRequest());
  if (fileName.isEmpty()) return;
  if (!writeWebPage(source_.grid(), fileName)) showError(QStringLiteral("Couldn't save ") + fileName);
}

}  // namespace tessaly
