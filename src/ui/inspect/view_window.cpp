#include "ui/inspect/view_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryFile>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "core/common/extract_strings.h"
#include "core/common/text_routines.h"
#include "core/inspect/byte_search.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/event_pump.h"
#include "ui/common/help_topic.h"
#include "ui/common/report_printer.h"
#include "ui/common/wait_cursor.h"
#include "ui/inspect/file_viewer.h"
#include "ui/inspect/find_dialog.h"

namespace tessaly {
namespace {

const QString kCaptionPrefix = QStringLiteral("View File : ");
// Each slice of long work reads about this much, a few milliseconds' worth.
constexpr qint64 kWorkSlice = 4 * 1024 * 1024;
constexpr int kPrintedLinesPerSlice = 200;
// The clipboard takes a selection of at most this many characters.
constexpr qint64 kLargestCopy = 16 * 1024 * 1024;
constexpr int kStringsMinimum = 5;
constexpr int kStringsMaximum = 100;
constexpr int kLargestTabSize = 255;
constexpr int kPositionWidth = 8;
constexpr int kTopWidth = 5;
// "Close" keeps 15 pixels from the right edge; the row's other margins are small.
const QMargins kButtonRowMargins(8, 4, 15, 4);
const QSize kStartSize(640, 480);

QString numberOrUnknown(const std::optional<qint64>& zeroBased) {
  return zeroBased ? QString::number(*zeroBased + 1) : QStringLiteral("?");
}

}  // namespace

TfrmView::TfrmView(const QString& path, QWidget* owner, ViewerRole role)
    : QDialog(owner), role_(role), placement_(*this, {QStringLiteral("tessaly.ini"), QString(), QStringLiteral("frmView")}) {
  setObjectName(QStringLiteral("frmView"));
  setWindowTitle(QStringLiteral("View file"));
  setSizeGripEnabled(true);
  setAcceptDrops(true);
  resize(kStartSize);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Viewer1 = new FileViewer(this);
  Viewer1->setObjectName(QStringLiteral("Viewer1"));
  layout->addWidget(Viewer1, 1);
  buildMenus();
  buildButtons();
  buildStatusLine();
  connect(Viewer1, &FileViewer::statusChanged, this, &TfrmView::Viewer1ShowStatus);
  TabExpansion1->setChecked(Viewer1->tabExpansion());
  if (role_ == ViewerRole::Strings) {
    for (QWidget* hidden : {static_cast<QWidget*>(btStrings), static_cast<QWidget*>(rbAscii), static_cast<QWidget*>(rbHex)})
      hidden->hide();
    HexMode1->setVisible(false);
  }
  setHelpTopic(this, QStringLiteral("file-viewer.html"));
  openInViewer(path);
  Viewer1->setFocus();
}

TfrmView::~TfrmView() = default;

void TfrmView::buildMenus() {
  auto* menus = new QMenuBar(this);
  layout()->setMenuBar(menus);
  File1 = menus->addMenu(QStringLiteral("&File"));
  Open1 = File1->addAction(QStringLiteral("&Open..."), this, &TfrmView::Open1Click);
  File1->addSeparator();
  Print1 = File1->addAction(QStringLiteral("&Print..."), this, &TfrmView::Print1Click);
  PrintSetup1 = File1->addAction(QStringLiteral("P&rint setup..."), this, &TfrmView::PrintSetup1Click);
  File1->addSeparator();
  Exit1 = File1->addAction(QStringLiteral("E&xit"), this, &QDialog::reject);
  Exit1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

  Clipboard1 = menus->addMenu(QStringLiteral("&Clipboard"));
  Copy1 = Clipboard1->addAction(QStringLiteral("&Copy"), this, &TfrmView::Copy1Click);
  Copy1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Insert), QKeySequence::Copy});
  SelectAll1 = Clipboard1->addAction(QStringLiteral("&Select all"), Viewer1, &FileViewer::selectAll);
  SelectAll1->setShortcut(QKeySequence::SelectAll);

  Search1 = menus->addMenu(QStringLiteral("&Search"));
  Find1 = Search1->addAction(QStringLiteral("&Find..."), this, &TfrmView::Find1Click);
  Find1->setShortcut(QKeySequence::Find);
  FindNext1 = Search1->addAction(QStringLiteral("Find &next"), this, &TfrmView::FindNext1Click);
  FindNext1->setShortcut(QKeySequence(Qt::Key_F3));
  Search1->addSeparator();
  GotoLine1 = Search1->addAction(QStringLiteral("&Go to line..."), this, &TfrmView::GotoLine1Click);
  GotoLine1->setShortcut(QKeySequence(Qt::Key_F4));

  Options1 = menus->addMenu(QStringLiteral("&Options"));
  HexMode1 = Options1->addAction(QStringLiteral("&Hex Mode"));
  HexMode1->setCheckable(true);
  HexMode1->setShortcut(QKeySequence(Qt::Key_F8));
  connect(HexMode1, &QAction::triggered, this, [this](bool checked) { setHexMode(checked); });
  TabExpansion1 = Options1->addAction(QStringLiteral("&Tab expansion"));
  TabExpansion1->setCheckable(true);
  connect(TabExpansion1, &QAction::triggered, Viewer1, &FileViewer::setTabExpansion);
  Options1->addSeparator();
  TabSize1 = Options1->addAction(QStringLiteral("Tab si&ze..."), this, &TfrmView::TabSize1Click);
  Options1->addSeparator();
  Font1 = Options1->addAction(QStringLiteral("&Font..."), this, &TfrmView::Font1Click);

  for (QMenu* menu : {File1, Clipboard1, Search1}) connect(menu, &QMenu::aboutToShow, this, &TfrmView::updateMenus);
}

void TfrmView::buildButtons() {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(kButtonRowMargins);
  rbAscii = new QRadioButton(QStringLiteral("&ASCII"), this);
  rbHex = new QRadioButton(QStringLiteral("&Hex"), this);
  rbAscii->setChecked(true);
  btFont = hintedButton(QStringLiteral("Fo&nt"), QString(), this);
  btPrintSetup = hintedButton(QStringLiteral("P&rint setup"), QString(), this);
  btPrint = hintedButton(QStringLiteral("&Print"), QString(), this);
  btStrings = hintedButton(QStringLiteral("Pee&k at strings"), QStringLiteral("Peek inside file for ASCII strings"), this);
  btClose = hintedButton(QStringLiteral("Close"), QString(), this);
  row->addWidget(rbAscii);
  row->addWidget(rbHex);
  // The buttons keep to the right edge as the window is resized.
  row->addStretch();
  for (QPushButton* button : {btFont, btPrintSetup, btPrint, btStrings, btClose}) row->addWidget(button);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);

  connect(rbAscii, &QRadioButton::clicked, this, [this] { setHexMode(false); });
  connect(rbHex, &QRadioButton::clicked, this, [this] { setHexMode(true); });
  connect(btFont, &QPushButton::clicked, this, &TfrmView::Font1Click);
  connect(btPrintSetup, &QPushButton::clicked, this, &TfrmView::PrintSetup1Click);
  connect(btPrint, &QPushButton::clicked, this, [this] {
    updateMenus();
    if (Print1->isEnabled()) Print1Click();
  });
  connect(btStrings, &QPushButton::clicked, this, &TfrmView::btStringsClick);
  connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmView::buildStatusLine() {
  auto* status = new QStatusBar(this);
  status->setSizeGripEnabled(false);
  lblPosition = new QLabel(status);
  lblTotal = new QLabel(status);
  lblTop = new QLabel(status);
  lblBytes = new QLabel(status);
  for (QLabel* section : {lblPosition, lblTotal, lblTop, lblBytes}) status->addWidget(section);
  lblWork = new QLabel(status);
  pbWork = new QProgressBar(status);
  pbWork->setRange(0, 100);
  btStop = new QPushButton(QStringLiteral("S&top"), status);
  btStop->setAutoDefault(false);
  status->addWidget(lblWork, 1);
  status->addPermanentWidget(pbWork);
  status->addPermanentWidget(btStop);
  for (QWidget* work : {static_cast<QWidget*>(pbWork), static_cast<QWidget*>(btStop)}) work->hide();
  connect(btStop, &QPushButton::clicked, this, [this] { stopRequested_ = true; });
  layout()->addWidget(status);
}

void TfrmView::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  placement_.restore();
}

void TfrmView::openInViewer(const QString& path) {
  if (!Viewer1->openFile(path)) showError(QStringLiteral("Could not open file ") + path);
  setWindowTitle(kCaptionPrefix + path);
  updateMenus();
  Viewer1ShowStatus();
}

// "&File", "&Clipboard" and "&Search": set whenever a menu opens and after a file is opened.
void TfrmView::updateMenus() {
  const bool lines = Viewer1->hasLines();
  Print1->setEnabled(lines);
  SelectAll1->setEnabled(lines);
  Copy1->setEnabled(Viewer1->hasSelection());
  Find1->setEnabled(lines);
  GotoLine1->setEnabled(lines);
  FindNext1->setEnabled(lines && !findSettings().text.isEmpty());
}

void TfrmView::Viewer1ShowStatus() {
  lblPosition->setText((numberOrUnknown(Viewer1->caretLineNumber()) + u':' + QString::number(Viewer1->caretColumn() + 1))
                           .leftJustified(kPositionWidth));
  const std::optional<qint64> total = Viewer1->lineCount();
  lblTotal->setText(QStringLiteral("Total: ") + (total ? formatThousands(*total) : QStringLiteral("?")));
  lblTop->setText(QStringLiteral("Top: ") + numberOrUnknown(Viewer1->topLineNumber()).leftJustified(kTopWidth));
  lblBytes->setText(QStringLiteral("Bytes: ") + formatThousands(Viewer1->fileSize()));
  Copy1->setEnabled(Viewer1->hasSelection());
  SelectAll1->setEnabled(Viewer1->hasLines());
}

void TfrmView::setControlsEnabled(bool enabled) {
  for (QWidget* control : findChildren<QMenuBar*>()) control->setEnabled(enabled);
  for (QWidget* control : {static_cast<QWidget*>(rbAscii), static_cast<QWidget*>(rbHex), static_cast<QWidget*>(btFont),
                           static_cast<QWidget*>(btPrintSetup), static_cast<QWidget*>(btPrint),
                           static_cast<QWidget*>(btStrings), static_cast<QWidget*>(btClose)})
    control->setEnabled(enabled);
  for (QMenu* menu : {File1, Clipboard1, Search1, Options1}) {
    for (QAction* action : menu->actions()) action->setEnabled(enabled);
  }
  if (enabled) updateMenus();
}

bool TfrmView::runLongWork(const QString& what, const std::function<bool()>& step, const std::function<int()>& percent) {
  working_ = true;
  stopRequested_ = false;
  setControlsEnabled(false);
  lblWork->setText(what);
  pbWork->setValue(0);
  pbWork->show();
  btStop->show();
  EventPump pump;
  bool done = false;
  while (!done && !stopRequested_) {
    done = step();
    pbWork->setValue(percent());
    pump.letEventsRun();
  }
  lblWork->clear();
  pbWork->hide();
  btStop->hide();
  working_ = false;
  setControlsEnabled(true);
  Viewer1ShowStatus();
  if (closeAfterWork_) QMetaObject::invokeMethod(this, &TfrmView::reject, Qt::QueuedConnection);
  return done;
}

// Closing while work goes on stops the work first; the window closes once it has.
void TfrmView::reject() {
  if (working_) {
    stopRequested_ = true;
    closeAfterWork_ = true;
    return;
  }
  QDialog::reject();
}

void TfrmView::keyPressEvent(QKeyEvent* event) {
  if (working_ && event->key() == Qt::Key_Escape) {
    stopRequested_ = true;
    return;
  }
  QDialog::keyPressEvent(event);
}

void TfrmView::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!working_ && !urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void TfrmView::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (working_ || urls.isEmpty() || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  openInViewer(urls.first().toLocalFile());
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void TfrmView::Open1Click() {
  FileDialogRequest request;
  request.caption = QStringLiteral("Open");
  request.filters = {QStringLiteral("All Files (*)")};
  request.startFolder = QFileInfo(Viewer1->document().path()).path();
  const QString path = dialogs().openFileName(request);
  if (!path.isEmpty()) openInViewer(path);
}

bool TfrmView::countLines() {
  if (Viewer1->lineCount()) return true;
  ViewerDocument& document = Viewer1->document();
  const bool counted = runLongWork(QStringLiteral("Counting lines"), [&] { return document.countFurther(kWorkSlice); },
                                   [&] { return document.countedPercent(); });
  Viewer1->refresh();
  return counted;
}

void TfrmView::GotoLine1Click() {
  if (!Viewer1->hasLines() || !countLines()) return;
  QString answer;
  const QString prompt = QStringLiteral("Enter line number (1 to ") + QString::number(*Viewer1->lineCount()) + u')';
  if (!dialogs().askText(QStringLiteral("Go to line number"), prompt, false, &answer)) return;
  bool whole = false;
  const qint64 number = answer.trimmed().toLongLong(&whole);
  if (whole) Viewer1->goToLine(number - 1);
}

void TfrmView::Find1Click() {
  TFindDlg dialog(this);
  if (dialog.exec() != QDialog::Accepted) return;
  search(findSettings(), findSettings().global);
  updateMenus();
}

void TfrmView::FindNext1Click() {
  if (findSettings().text.isEmpty()) return;
  search(findSettings(), false);
}

void TfrmView::search(const FindSettings& settings, bool global) {
  if (!Viewer1->hasLines() || settings.text.isEmpty()) return;
  ViewerDocument& document = Viewer1->document();
  const auto [selectionStart, selectionEnd] = Viewer1->selection();
  SearchRequest request;
  request.text = settings.text.toUtf8();
  request.matchCase = settings.matchCase;
  request.backward = settings.backward;
  if (global) {
    request.from = settings.backward ? document.size() : 0;
  } else {
    request.from = document.offsetOf(settings.backward ? selectionStart : selectionEnd);
  }
  ByteSearch searching(document.file(), request);
  if (!runLongWork(QStringLiteral("Searching"), [&] { return searching.step(kWorkSlice); },
                   [&] { return searching.percentDone(); }))
    return;
  if (!searching.found()) {
    showInfo(QStringLiteral("Search string '") + settings.text + QStringLiteral("' not found"));
    return;
  }
  Viewer1->selectRange(*searching.found(), *searching.found() + request.text.size(), settings.backward);
}

void TfrmView::Copy1Click() {
  if (!Viewer1->hasSelection()) return;
  const auto [from, to] = Viewer1->selection();
  WaitCursor waiting;
  QString text;
  for (SelectedLines lines(Viewer1->document(), from, to); !lines.atEnd();) {
    const SelectedLines::Line line = lines.take();
    text += copiedSelectionLine(line);
    if (!lines.atEnd()) text += u'\n';
    if (text.size() > kLargestCopy) {
      showInfo(QStringLiteral("The selection is too large for the clipboard (more than 16 MB of text)."));
      return;
    }
  }
  QGuiApplication::clipboard()->setText(text);
}

void TfrmView::Print1Click() {
  if (!Viewer1->hasLines()) return;
  std::optional<PrintRange> range;
  if (Viewer1->hasSelection()) {
    range = dialogs().setUpPrinterWithSelection(printer_);
  } else if (dialogs().setUpPrinter(printer_)) {
    range = PrintRange::All;
  }
  if (!range || *range == PrintRange::Pages) return;
  if (*range == PrintRange::Selection) {
    const auto [from, to] = Viewer1->selection();
    printRange(from, to);
  } else {
    printRange({Viewer1->document().firstLine(), 0}, endOfDocument(Viewer1->document()));
  }
}

// One printed line per shown line, in the viewer's font, a slice of lines at a time.
void TfrmView::printRange(const ViewerPosition& from, const ViewerPosition& to) {
  TextDeviceWriter writer(printer_, Viewer1->font());
  SelectedLines lines(Viewer1->document(), from, to);
  runLongWork(
      QStringLiteral("Printing"),
      [&] {
        for (int i = 0; i < kPrintedLinesPerSlice && !lines.atEnd() && writer.ok(); ++i)
          writer.write(printedSelectionLine(lines.take()));
        return lines.atEnd() || !writer.ok();
      },
      [&] { return lines.percentDone(); });
  if (!writer.finish()) showError(QStringLiteral("Error printing report ... quitting"));
}

void TfrmView::PrintSetup1Click() { dialogs().setUpPage(printer_); }

void TfrmView::setHexMode(bool hex) {
  Viewer1->setMode(hex ? ViewMode::Hex : ViewMode::Text);
  HexMode1->setChecked(hex);
  (hex ? rbHex : rbAscii)->setChecked(true);
}

void TfrmView::TabSize1Click() {
  QString answer = QString::number(Viewer1->tabSize());
  if (!dialogs().askText(QStringLiteral("Tab Size"), QStringLiteral("Enter tab size"), false, &answer)) return;
  bool whole = false;
  const int size = answer.trimmed().toInt(&whole);
  if (whole && size >= 0 && size <= kLargestTabSize) Viewer1->setTabSize(size);
}

void TfrmView::Font1Click() {
  QFont font = Viewer1->font();
  if (dialogs().chooseFixedPitchFont(font)) Viewer1->setViewerFont(font);
}

void TfrmView::btStringsClick() {
  QTemporaryFile strings(QDir::tempPath() + QStringLiteral("/strXXXXXX"));
  if (!strings.open()) {
    showError(QStringLiteral("Could not open file ") + strings.fileTemplate());
    return;
  }
  strings.close();
  StringsExtraction extraction;
  // A file that cannot be read shows its error, and the strings window opens on nothing.
  if (extraction.start(Viewer1->document().path(), strings.fileName(), kStringsMinimum, kStringsMaximum) &&
      !runLongWork(QStringLiteral("Reading strings"), [&] { return extraction.step(kWorkSlice); },
                   [&] { return extraction.percentDone(); }))
    return;
  TfrmView window(strings.fileName(), this, ViewerRole::Strings);
  window.exec();
}

}  // namespace tessaly
