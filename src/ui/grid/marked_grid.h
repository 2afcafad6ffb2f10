#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <optional>
#include <vector>

#include "core/deletion/deletion_request.h"
#include "core/grid/file_table.h"
#include "core/grid/marked_files.h"
#include "ui/deletion/really_delete_window.h"
#include "ui/grid/grid_cell_delegate.h"
#include "ui/grid/grid_view.h"

class QAction;

namespace tessaly {

class FileGridModel;
class ProtectionCheck;
class ReportCommands;
class TopPanelActions;

// What the window does once the deletion window has closed.
enum class AfterHandOver {
  CloseUnlessCancelled,  // the search windows: the list is out of date
  ReloadListing,         // the browse window: it stays and reads its folder again, whatever happened
};

// One window's marked grid, filled in from the table of its design.
struct MarkedGridSettings {
  std::vector<FileColumn> columns;  // headings, values and design widths
  int markColumn = 0;               // shows the mark picture
  // The column whose cells are drawn bold when the safe harbor protects them, and whether the
  // check asks about a file (a full path) or a folder.
  struct Highlight {
    int column = 0;
    bool isFile = false;
  };
  std::optional<Highlight> highlight;
  QString counterPattern = QStringLiteral("%d files %s bytes");
  QString archiveTag;  // handed to the deletion window
  AfterHandOver afterHandOver = AfterHandOver::CloseUnlessCancelled;
  bool deleteKeyMarks = false;  // the Delete key works as "&Mark"
  bool closeQuery = false;      // closing with marked files asks first
  int textInset = GridCellDelegate::kTextInset;  // pixels between a cell's edge and its text
  QString openCaption = QStringLiteral("Open");
  std::function<QString()> printTitle;  // the title of the printed report, built when printing
};

// The marked result grid every file-listing tool carries: the user marks files (each once,
// however the rows are sorted), sees their count and bytes, opens, views or inspects a file,
// and hands the marked files to the deletion window.
class MarkedGrid : public GridView {
  Q_OBJECT

 public:
  explicit MarkedGrid(MarkedGridSettings settings, QWidget* parent = nullptr);

  // The rows of a new search or listing; the marks of the old ones are cleared.
  void showTable(FileTable table);
  // The heading row alone, without marks.
  void clearRows();
  const FileTable& table() const;
  const MarkedFiles& marks() const { return marks_; }
  // The duplicate groups that hold a marked file, handed to the deletion window with the marks.
  std::function<std::vector<CopyGroup>()> markedGroups;

  // Marks or unmarks one row's file, then "Clean?" follows the count.
  void toggleRow(int row);
  // "&Mark" (and the Delete key where the window binds it): toggles the current row and moves
  // to the next unless it is the last.
  void markCurrentAndAdvance();
  void markAll();
  // Marks these rows' files alone.
  void markRows(const std::vector<qsizetype>& rows);
  void unmarkAll();
  void clearAllMarks();

  // The current row's file with the desktop's program for it; "Couldn't open " on failure.
  void openCurrent();
  void viewCurrent();
  void showCurrentDetails();
  // "Clean?": the marked files as they are marked now, to the deletion window.
  void handOver();
  // True when the window may close: nothing is marked, or the user says so.
  bool confirmClose();

  bool cleanEnabled() const { return cleanEnabled_; }
  QString counterText() const;

  QAction* markAllAction() const { return markAll_; }
  QAction* unmarkAllAction() const { return unmarkAll_; }
  QAction* openAction() const { return open_; }
  QAction* viewAction() const { return view_; }
  QAction* detailsAction() const { return details_; }
  // "Highlight folders on Safe Harbor list", checked at first.
  QAction* highlightAction() const { return highlight_; }
  ReportCommands* reports() const { return reports_; }
  TopPanelActions* topPanel() const { return topPanel_; }

  // What the grid reaches outside itself; tests put their own in place.
  std::function<bool(const QUrl&)> openUrl;
  // The file viewer and file details windows, shown modally.
  std::function<void(const QString& path)> viewFile;
  std::function<void(const QString& path)> showFileDetails;
  // Shows the deletion window modally; false when it was cancelled.
  std::function<bool(const DeletionRequest&)> runDeletion;
  DeletionServices deletionServices;
  ProtectionCheck* protection = nullptr;  // the program's safe harbor when null

 Q_SIGNALS:
  void counterChanged(const QString& text);
  void cleanEnabledChanged(bool enabled);
  // The deletion window has closed and the browse window reads its folder again.
  void reloadRequested();

 protected:
  void applyColumnWidths() override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QAction* newAction(const QString& caption, void (MarkedGrid::*handler)());
  void toggle(int row);
  void setCleanEnabled(bool enabled);
  void marksChanged();
  // "Filenames only": the full path of every row that lists a file.
  QStringList listedPaths() const;
  // The current row's file, when it lists one that is there now.
  std::optional<QString> currentExistingFile() const;
  bool runDeletionWindow(const DeletionRequest& request);
  void highlightSafeHarbor(bool shown);

  MarkedGridSettings settings_;
  MarkedFiles marks_;
  FileGridModel* model_;
  GridCellDelegate* delegate_;
  bool cleanEnabled_ = false;
  QAction* markAll_;
  QAction* unmarkAll_;
  QAction* open_;
  QAction* view_;
  QAction* details_;
  QAction* highlight_;
  ReportCommands* reports_;
  TopPanelActions* topPanel_;
};

}  // namespace tessaly
