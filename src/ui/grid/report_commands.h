#pragma once

#include <QObject>
#include <QPrinter>
#include <QStringList>
#include <functional>

#include "core/common/dialogs.h"
#include "core/grid/result_table.h"

class QAction;
class QMenu;

namespace tessaly {

// What a window's report commands read from it when they run.
struct ReportSource {
  std::function<const GridTable&()> grid;
  std::function<QString()> printTitle;
  // The names-only clipboard lines: the window's name or path of each data row.
  std::function<QStringList()> nameLines;
};

// The print, clipboard and web page commands of a result window, written once: the window
// gives its grid, title and name lines, and puts the actions in its menus.
class ReportCommands : public QObject {
  Q_OBJECT

 public:
  ReportCommands(ReportSource source, QObject* parent);

  // "Print", "Clipboard" with the names-only item and "Entire grid separated by tabs", and
  // "Web page", appended to the menu.
  void addTo(QMenu* menu, const QString& namesCaption = QStringLiteral("Filenames only"));

  QAction* printAction() const { return print_; }
  QAction* copyNamesAction() const { return copyNames_; }
  QAction* copyGridAction() const { return copyGrid_; }
  QAction* webPageAction() const { return webPage_; }

  // The print dialog, then the report on the printer chosen.
  void printReport();
  void copyNames();
  void copyEntireGrid();
  // The main window's save dialog, then the grid as a web page; cancel writes nothing.
  void saveWebPage();

  // Kept for the window's life, so the next print starts from the last choice.
  QPrinter& printer() { return printer_; }

 private:
  ReportSource source_;
  QPrinter printer_;
  QAction* print_;
  QAction* copyNames_;
  QAction* copyGrid_;
  QAction* webPage_;
};

// The request of the shared "Save file listing as web page" dialog.
FileDialogRequest webPageSaveRequest();

}  // namespace tessaly
