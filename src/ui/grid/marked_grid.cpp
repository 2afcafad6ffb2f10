#include "ui/grid/marked_grid.h"

#include <numeric>

#include <QAction>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>

#include "core/common/dialogs.h"
#include "core/safeharbor/safe_harbor.h"
#include "platform/host_path.h"
#include "ui/common/wait_cursor.h"
#include "ui/grid/file_grid_model.h"
#include "ui/grid/grid_cell_delegate.h"
#include "ui/grid/report_commands.h"
#include "ui/grid/window_sizing.h"
#include "ui/inspect/details_window.h"
#include "ui/inspect/view_window.h"

namespace tessaly {
namespace {

// The file's URL made of its path's own bytes, so a name that is not UTF-8 reaches the
// desktop's opener as itself.
QUrl fileUrl(const QString& path) {
  return QUrl::fromEncoded(QByteArrayLiteral("file://") + platform::encodePath(path).toPercentEncoding("/"));
}

}  // namespace

MarkedGrid::MarkedGrid(MarkedGridSettings settings, QWidget* parent)
    : GridView(parent),
      settings_(std::move(settings)),
      model_(new FileGridModel(marks_, this)),
      delegate_(new GridCellDelegate(this)),
      markAll_(newAction(QStringLiteral("Mark all"), &MarkedGrid::markAll)),
      unmarkAll_(newAction(QStringLiteral("Unmark all"), &MarkedGrid::unmarkAll)),
      open_(newAction(settings_.openCaption, &MarkedGrid::openCurrent)),
      view_(newAction(QStringLiteral("View"), &MarkedGrid::viewCurrent)),
      details_(newAction(QStringLiteral("Details"), &MarkedGrid::showCurrentDetails)),
      highlight_(new QAction(QStringLiteral("Highlight folders on Safe Harbor list"), this)),
      reports_(new ReportCommands({[this]() -> const GridTable& { return table(); },
                                   [this] { return settings_.printTitle ? settings_.printTitle() : QString(); },
                                   [this] { return listedPaths(); }},
                                  this)),
      topPanel_(new TopPanelActions(this)) {
  openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  viewFile = [this](const QString& path) { TfrmView(path, window()).exec(); };
  showFileDetails = [this](const QString& path) { TfrmDetails(path, window()).exec(); };
  runDeletion = [this](const DeletionRequest& request) { return runDeletionWindow(request); };
  model_->resetTable(FileTable(std::make_shared<const FoundFiles>(), settings_.columns));
  model_->setMarkColumn(settings_.markColumn, QIcon(markPicture()));
  delegate_->setTextInset(settings_.textInset);
  setItemDelegate(delegate_);
  setGridModel(model_);

  highlight_->setCheckable(true);
  highlight_->setChecked(true);
  connect(highlight_, &QAction::toggled, this, &MarkedGrid::highlightSafeHarbor);
  highlightSafeHarbor(true);
}

QAction* MarkedGrid::newAction(const QString& caption, void (MarkedGrid::*handler)()) {
  auto* action = new QAction(caption, this);
  connect(action, &QAction::triggered, this, handler);
  return action;
}

const FileTable& MarkedGrid::table() const { return model_->table(); }

QStringList MarkedGrid::listedPaths() const {
  QStringList paths;
  for (qsizetype row = 0; row < table().rowCount(); ++row) {
    const QString path = table().filePath(row);
    if (!path.isEmpty()) paths.append(path);
  }
  return paths;
}

void MarkedGrid::showTable(FileTable table) {
  marks_.clear();
  model_->resetTable(std::move(table));
  Q_EMIT counterChanged(counterText());
  setCleanEnabled(false);
}

void MarkedGrid::clearRows() {
  marks_.clear();
  model_->clearRows();
  Q_EMIT counterChanged(counterText());
  setCleanEnabled(false);
}

void MarkedGrid::toggle(int row) {
  if (row < 0 || row >= model_->dataRowCount()) return;
  const QString path = table().filePath(row);
  if (path.isEmpty()) return;
  marks_.toggle(path, currentFileSize(path));
  marksChanged();
}

void MarkedGrid::toggleRow(int row) {
  toggle(row);
  setCleanEnabled(marks_.count() > 0);
}

void MarkedGrid::markCurrentAndAdvance() {
  const QModelIndex current = currentIndex();
  const int row = current.row();
  if (current.isValid() && !table().filePath(row).isEmpty()) {
    toggle(row);
    if (row + 1 < model_->dataRowCount()) setCurrentIndex(model_->index(row + 1, current.column()));
  }
  setCleanEnabled(marks_.count() > 0);
}

void MarkedGrid::markAll() {
  std::vector<qsizetype> rows(size_t(table().rowCount()));
  std::iota(rows.begin(), rows.end(), qsizetype(0));
  markRows(rows);
}

void MarkedGrid::markRows(const std::vector<qsizetype>& rows) {
  const WaitCursor waiting;
  marks_.clear();
  for (qsizetype row : rows) {
    const QString path = table().filePath(row);
    if (!path.isEmpty()) marks_.mark(path, currentFileSize(path));
  }
  marksChanged();
  setCleanEnabled(!marks_.isEmpty());
}

void MarkedGrid::unmarkAll() {
  clearAllMarks();
  setCleanEnabled(false);
}

void MarkedGrid::clearAllMarks() {
  marks_.clear();
  marksChanged();
}

void MarkedGrid::marksChanged() {
  model_->refreshMarks();
  Q_EMIT counterChanged(counterText());
}

QString MarkedGrid::counterText() const { return markedCounterText(settings_.counterPattern, marks_); }

void MarkedGrid::setCleanEnabled(bool enabled) {
  if (cleanEnabled_ == enabled) return;
  cleanEnabled_ = enabled;
  Q_EMIT cleanEnabledChanged(enabled);
}

std::optional<QString> MarkedGrid::currentExistingFile() const {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return std::nullopt;
  const QString path = table().filePath(current.row());
  if (path.isEmpty() || !currentFileSize(path)) return std::nullopt;
  return path;
}

void MarkedGrid::openCurrent() {
  const std::optional<QString> path = currentExistingFile();
  if (path && !openUrl(fileUrl(*path))) {
    showError(QStringLiteral("Couldn't open ") + platform::displayPath(*path));
  }
}

void MarkedGrid::viewCurrent() {
  const std::optional<QString> path = currentExistingFile();
  if (path) viewFile(*path);
}

void MarkedGrid::showCurrentDetails() {
  const std::optional<QString> path = currentExistingFile();
  if (path) showFileDetails(*path);
}

void MarkedGrid::handOver() {
  if (marks_.count() < 1) return;
  const bool done = runDeletion(DeletionRequest{marks_.paths(), double(marks_.bytes()), settings_.archiveTag,
                                                markedGroups ? markedGroups() : std::vector<CopyGroup>{}});
  if (settings_.afterHandOver == AfterHandOver::ReloadListing) {
    Q_EMIT reloadRequested();
  } else if (done) {
    window()->close();
  }
}

bool MarkedGrid::runDeletionWindow(const DeletionRequest& request) {
  TfrmReallyDelete deletion(request, deletionServices, window());
  return deletion.exec() != QDialog::Rejected;
}

bool MarkedGrid::confirmClose() {
  if (!settings_.closeQuery || marks_.count() <= 0) return true;
  const QString question = QStringLiteral("You have %1 files marked for deletion. ").arg(marks_.count()) +
                           QStringLiteral("Do you really wish to exit without deleting?");
  return dialogs().ask(MessageStyle::Question, window()->windowTitle(), question, AnswerSet::YesNo) == Answer::Yes;
}

void MarkedGrid::highlightSafeHarbor(bool shown) {
  if (!settings_.highlight || !shown) {
    model_->setBoldCells({});
    return;
  }
  const MarkedGridSettings::Highlight highlight = *settings_.highlight;
  model_->setBoldCells([this, highlight](int row, int column) {
    if (column != highlight.column) return false;
    const QString text = table().cellText(row, column);
    int reason = NotProtected;
    ProtectionCheck& check = protection ? *protection : protectionCheck();
    return !text.isEmpty() && check.isInExceptionList(text, highlight.isFile, &reason);
  });
}

void MarkedGrid::applyColumnWidths() {
  const FileTable& grid = table();
  std::vector<int> designWidths;
  for (int c = 0; c < grid.columnCount(); ++c) designWidths.push_back(grid.column(c).designWidth);
  const std::vector<int> widths = columnWidthsFor(designWidths, width(), logicalDpiX(), fontWidthScale(fontMetrics()));
  for (int c = 0; c < int(widths.size()); ++c) setColumnWidth(c, widths[size_t(c)]);
}

void MarkedGrid::resizeEvent(QResizeEvent* event) {
  GridView::resizeEvent(event);
  applyColumnWidths();
}

void MarkedGrid::keyPressEvent(QKeyEvent* event) {
  if (settings_.deleteKeyMarks && event->key() == Qt::Key_Delete) {
    markCurrentAndAdvance();
    event->accept();
    return;
  }
  GridView::keyPressEvent(event);
}

void MarkedGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  GridView::mouseDoubleClickEvent(event);
  // A double-click on a heading goes to the header, never here, so it never marks.
  if (indexAt(event->position().toPoint()).isValid()) toggleRow(currentIndex().row());
}

}  // namespace tessaly
