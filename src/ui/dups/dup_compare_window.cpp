#include "ui/dups/dup_compare_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "core/dups/pair_checksums.h"
#include "core/dups/pair_rows.h"
#include "core/dups/pair_texts.h"
#include "core/grid/marked_files.h"
#include "core/safeharbor/safe_harbor.h"
#include "platform/host_path.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/glyph_icon.h"
#include "ui/common/help_topic.h"
#include "ui/common/wait_cursor.h"
#include "ui/dups/dup_window.h"
#include "ui/grid/marked_grid.h"
#include "ui/inspect/view_window.h"

namespace tessaly {
namespace {

constexpr int kClientWidth = 632;
constexpr int kEdge = 3;  // around the window's rows and between them
constexpr int kArrowColumnWidth = 28;
constexpr int kArrowSize = 16;
const QColor kVersionDifference(0, 255, 255);  // aqua
const QString kProtectedText = QStringLiteral("** In Non-Delete List **");

enum Arrow { CreationArrow, ModificationArrow, AccessArrow };

void arrowHead(QPainter& p, bool pointsLeft) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 160));
  const qreal tip = pointsLeft ? 1.5 : 14.5;
  const qreal back = pointsLeft ? 8.5 : 7.5;
  p.drawPolygon(QPolygonF{{tip, 8}, {back, 2}, {back, 14}});
  p.drawRect(pointsLeft ? QRectF(back, 6, 6, 4) : QRectF(2.5, 6, 5, 4));
}
void leftArrowGlyph(QPainter& p) { arrowHead(p, true); }
void rightArrowGlyph(QPainter& p) { arrowHead(p, false); }
void equalGlyph(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 160));
  p.drawRect(QRectF(3, 4.5, 10, 2.5));
  p.drawRect(QRectF(3, 9, 10, 2.5));
}

// The colours of a value line: the button face, or the selection's where the sides differ.
void paintLine(QLabel* label, bool highlighted) {
  QPalette colours = label->palette();
  const QPalette& normal = label->window()->palette();
  colours.setColor(QPalette::Window, highlighted ? normal.color(QPalette::Highlight) : normal.color(QPalette::Button));
  colours.setColor(QPalette::WindowText,
                   highlighted ? normal.color(QPalette::HighlightedText) : normal.color(QPalette::WindowText));
  label->setPalette(colours);
}

QUrl fileUrl(const QString& path) {
  return QUrl::fromEncoded(QByteArrayLiteral("file://") + platform::encodePath(path).toPercentEncoding("/"));
}

}  // namespace

TfrmDupCompare& dupCompareWindow(QWidget* home) {
  auto* window = home->findChild<TfrmDupCompare*>(QStringLiteral("frmDupCompare"), Qt::FindDirectChildrenOnly);
  return window ? *window : *new TfrmDupCompare(home);
}

TfrmDupCompare::TfrmDupCompare(QWidget* home)
    : QDialog(home, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      home_(home) {
  setObjectName(QStringLiteral("frmDupCompare"));
  setWindowTitle(QStringLiteral("Compare file pairs"));
  setModal(false);
  openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  viewFile = [this](const QString& path) { TfrmView(path, this).exec(); };
  browseFolder = [this](const BrowseRequest& request) { openBrowseWindow(this, request); };
  sides_[LeftSide] = std::make_unique<PairSideView>(PairSideCaptions{"&Browse", "&Mark", "&Open", "&View"}, this);
  sides_[RightSide] = std::make_unique<PairSideView>(PairSideCaptions{"Bro&wse", "M&ark", "Ope&n", "Vi&ew"}, this);

  views = new QStackedWidget(this);
  views->setMinimumWidth(kClientWidth - 2 * kEdge);
  views->addWidget(buildSimpleView());
  views->addWidget(buildDetailedView());

  auto* lists = new QHBoxLayout;
  for (PairSide which : {LeftSide, RightSide}) lists->addWidget(sides_[which]->tlBox);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(kEdge, kEdge, kEdge, kEdge);
  layout->setSpacing(kEdge);
  layout->addWidget(buildTopRow());
  layout->addWidget(views);
  layout->addLayout(lists);
  layout->addWidget(buildBottomRow());

  for (PairSide which : {LeftSide, RightSide}) connectSide(which);
  auto* next = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
  connect(next, &QShortcut::activated, this, &TfrmDupCompare::sbR1Click);
  auto* previous = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
  connect(previous, &QShortcut::activated, this, &TfrmDupCompare::sbL1Click);
  setHelpTopic(this, QStringLiteral("pairs.html"));
  hide();
}

TfrmDupCompare::~TfrmDupCompare() = default;

QWidget* TfrmDupCompare::buildTopRow() {
  auto* row = new QWidget(this);
  auto* buttons = new QHBoxLayout(row);
  buttons->setContentsMargins(0, 0, 0, 0);
  for (PairSide which : {LeftSide, RightSide}) {
    PairSideView& side = *sides_[which];
    if (which == RightSide) buttons->addStretch();
    buttons->addWidget(side.imgIcon);
    for (QPushButton* button : {side.btBrowse, side.btMark, side.btLaunch, side.btView}) buttons->addWidget(button);
  }
  return row;
}

QWidget* TfrmDupCompare::buildDetailedView() {
  auto* page = new QWidget(this);
  arrowColumn_ = new QWidget(page);
  arrowColumn_->setFixedWidth(kArrowColumnWidth);
  for (QLabel*& arrow : arrows) {
    arrow = new QLabel(arrowColumn_);
    arrow->setFixedSize(kArrowSize, kArrowSize);
    arrow->setToolTip(QStringLiteral("Arrow points to most recent entry"));
    arrow->hide();
  }
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(sides_[LeftSide]->box, 1);
  layout->addWidget(arrowColumn_);
  layout->addWidget(sides_[RightSide]->box, 1);
  const PairSideView& left = *sides_[LeftSide];
  for (QWidget* watched : {static_cast<QWidget*>(left.box), static_cast<QWidget*>(left.lblCreated),
                           static_cast<QWidget*>(left.lblModified), static_cast<QWidget*>(left.lblAccessed), arrowColumn_})
    watched->installEventFilter(this);
  return page;
}

QWidget* TfrmDupCompare::buildSimpleView() {
  pnlSimple = new QWidget(this);
  pnlSimple->setObjectName(QStringLiteral("pnlSimple"));
  auto* layout = new QGridLayout(pnlSimple);
  for (PairSide which : {LeftSide, RightSide}) {
    const PairSideView& side = *sides_[which];
    int row = 0;
    for (QLabel* line : {side.lblSimpleName, side.lblSimpleFolder, side.lblSimpleAccess, side.lblSimpleCreated,
                         side.lblSimpleSize, side.lblSimpleProtected})
      layout->addWidget(line, row++, which);
    layout->setColumnStretch(which, 1);
  }
  layout->setRowStretch(layout->rowCount(), 1);
  return pnlSimple;
}

QWidget* TfrmDupCompare::buildBottomRow() {
  auto* row = new QWidget(this);
  cbAutoCRC = new QCheckBox(QStringLiteral("A&uto compare CRC (size must be the same)"), row);
  cbAutoCRC->setToolTip(QStringLiteral("If checked and file sizes are equal, will check CRC value"));
  cbDetails = new QCheckBox(QStringLiteral("&Details"), row);
  sbL1 = hintedButton(QStringLiteral("&Prev pair"), QStringLiteral("Display previous match (PgUp)"), row);
  sbR1 = hintedButton(QStringLiteral("Ne&xt pair"), QStringLiteral("Display next match (PgDn)"), row);
  btCompute = hintedButton(QStringLiteral("&CRC"),
                           QStringLiteral("If CRC values are different the the contents of each file is different"), row);
  btPrint = hintedButton(QStringLiteral("Prin&t"), QStringLiteral("Print file details"), row);
  btClose = hintedButton(QStringLiteral("Close"), QString(), row);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(cbAutoCRC);
  layout->addWidget(cbDetails);
  layout->addStretch();
  for (QPushButton* button : {sbL1, sbR1, btCompute, btPrint, btClose}) layout->addWidget(button);

  connect(cbDetails, &QCheckBox::toggled, this, [this](bool details) { views->setCurrentIndex(details ? 1 : 0); });
  connect(sbL1, &QPushButton::clicked, this, &TfrmDupCompare::sbL1Click);
  connect(sbR1, &QPushButton::clicked, this, &TfrmDupCompare::sbR1Click);
  connect(btCompute, &QPushButton::clicked, this, &TfrmDupCompare::btComputeClick);
  connect(btPrint, &QPushButton::clicked, this, &TfrmDupCompare::btPrintClick);
  connect(btClose, &QPushButton::clicked, this, &QDialog::hide);
  return row;
}

void TfrmDupCompare::connectSide(PairSide which) {
  PairSideView& side = *sides_[which];
  connect(side.btMark, &QPushButton::clicked, this, [this, which] {
    if (dups_) dups_->MarkThisFile(int(current_) + which);
  });
  connect(side.btLaunch, &QPushButton::clicked, this, [this, which] {
    const std::optional<QString> path = existingFile(which);
    if (path && !openUrl(fileUrl(*path))) showError(QStringLiteral("Couldn't open ") + platform::displayPath(*path));
  });
  connect(side.btView, &QPushButton::clicked, this, [this, which] {
    if (const std::optional<QString> path = existingFile(which)) viewFile(*path);
  });
  connect(side.btBrowse, &QPushButton::clicked, this, [this, which] {
    const PairSideFile& file = sides_[which]->file();
    if (existingFile(which)) browseFolder({file.folder, QStringLiteral("*.*"), file.name});
  });
}

std::optional<QString> TfrmDupCompare::existingFile(PairSide which) const {
  const QString& path = sides_[which]->file().path;
  if (path.isEmpty() || !currentFileSize(path)) return std::nullopt;
  return path;
}

void TfrmDupCompare::showFor(TfrmDup& dups) {
  if (isVisible() && dups_ == &dups) {
    raise();
    activateWindow();
    return;
  }
  if (dups.grid->table().rowCount() < 2) return;
  dups_ = &dups;
  // A child of the modal duplicates window, so that window does not block it.
  if (parentWidget() != &dups) setParent(&dups, windowFlags());
  rows_ = dups.grid->table();
  move(dups.frameGeometry().topLeft());
  showPair(firstPairRow(rows_, qMax(0, dups.currentRow())));
  show();
  raise();
  activateWindow();
  btCompute->setFocus();
}

void TfrmDupCompare::leave(TfrmDup& dups) {
  if (dups_ != &dups && parentWidget() != &dups) return;
  hide();
  dups_ = nullptr;
  if (parentWidget() != home_) setParent(home_, windowFlags());
}

void TfrmDupCompare::showPair(qsizetype row) {
  current_ = row;
  const QDateTime now = QDateTime::currentDateTime();
  for (PairSide which : {LeftSide, RightSide}) {
    const qsizetype shown = row + which;
    const FoundFile* file = rows_.fileOf(shown);
    if (!file) continue;
    sides_[which]->showFile(rows_.filePath(shown), file->name, rows_.files().folderText(*file), now);
  }
  showComparisons();
  showVersionLists();
  HighlightDifferences();
}

void TfrmDupCompare::showComparisons() {
  const std::optional<FileDetails>& left = sides_[LeftSide]->file().details;
  const std::optional<FileDetails>& right = sides_[RightSide]->file().details;
  const bool both = left && right;
  sides_[RightSide]->lblSimpleCreated->setText(both ? creationComparison(left->creation, right->creation) : QString());
  sides_[RightSide]->lblSimpleSize->setText(both ? sizeComparison(left->size, right->size) : QString());
}

void TfrmDupCompare::showVersionLists() {
  const QStringList& left = sides_[LeftSide]->file().versionLines;
  const QStringList& right = sides_[RightSide]->file().versionLines;
  for (PairSide which : {LeftSide, RightSide}) {
    const QStringList& lines = which == LeftSide ? left : right;
    const std::vector<bool> differs = differingVersionLines(lines, which == LeftSide ? right : left);
    QListWidget* list = sides_[which]->tlBox;
    list->clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
      auto* item = new QListWidgetItem(lines[i], list);
      item->setBackground(differs[size_t(i)] ? QBrush(kVersionDifference) : palette().button());
    }
    list->setVisible(left.size() > 1 || right.size() > 1);
  }
}

void TfrmDupCompare::HighlightDifferences() {
  resizeIt();
  ProtectionCheck& check = protection ? *protection : protectionCheck();
  for (PairSide which : {LeftSide, RightSide}) {
    PairSideView& side = *sides_[which];
    int reason = NotProtected;
    const bool isProtected = !side.file().path.isEmpty() && check.isInExceptionList(side.file().path, true, &reason);
    side.lblProtected->setText(isProtected ? kProtectedText : QString());
    side.lblSimpleProtected->setText(side.lblProtected->text());
    for (QLabel* label : {side.lblProtected, side.lblSimpleProtected}) paintLine(label, isProtected);
  }
  const PairSideView& left = *sides_[LeftSide];
  const PairSideView& right = *sides_[RightSide];
  if (cbAutoCRC->isChecked() && left.lblSize->text() == right.lblSize->text()) computeCRCValues();
  const std::pair<QLabel*, QLabel*> lines[] = {
      {left.lblSize, right.lblSize},       {left.lblType, right.lblType},
      {left.lblCreated, right.lblCreated}, {left.lblModified, right.lblModified},
      {left.lblAccessed, right.lblAccessed}, {left.lblAttributes, right.lblAttributes},
      {left.lblCRC, right.lblCRC}};
  for (const auto& [leftLine, rightLine] : lines) {
    const bool differ = leftLine->text() != rightLine->text();
    paintLine(leftLine, differ);
    paintLine(rightLine, differ);
  }
  showArrows();
}

void TfrmDupCompare::showArrows() {
  static const QIcon kLeft = glyphIcon(leftArrowGlyph);
  static const QIcon kRight = glyphIcon(rightArrowGlyph);
  static const QIcon kSame = glyphIcon(equalGlyph);
  const std::optional<FileDetails>& left = sides_[LeftSide]->file().details;
  const std::optional<FileDetails>& right = sides_[RightSide]->file().details;
  const std::array<NewerSide, 3> newer = {
      left && right ? newerSide(left->creation, right->creation, false) : NewerSide::Unknown,
      left && right ? newerSide(left->modification, right->modification, false) : NewerSide::Unknown,
      left && right ? newerSide(left->access, right->access, true) : NewerSide::Unknown};
  for (size_t i = 0; i < arrows.size(); ++i) {
    const QIcon* picture = newer[i] == NewerSide::Left    ? &kLeft
                           : newer[i] == NewerSide::Right ? &kRight
                           : newer[i] == NewerSide::Same  ? &kSame
                                                          : nullptr;
    arrows[i]->setVisible(picture != nullptr);
    if (picture) arrows[i]->setPixmap(picture->pixmap(kArrowSize, kArrowSize));
  }
}

void TfrmDupCompare::resizeIt() {
  const int heightBefore = height();
  layout()->activate();
  QScreen* screen = this->screen();
  if (!screen) return;
  const QRect free = screen->availableGeometry();
  if (frameGeometry().bottom() > free.bottom()) move(x(), free.top() + (free.height() - frameGeometry().height()) / 2);
  // Repeated clicks on "Ne&xt pair" keep hitting it when the window grows or shrinks.
  if (isVisible() && height() != heightBefore) {
    const QPoint centre = sbR1->mapToGlobal(sbR1->rect().center());
    if (free.contains(centre)) QCursor::setPos(screen, centre);
  }
}

void TfrmDupCompare::placeArrows() {
  const PairSideView& left = *sides_[LeftSide];
  const std::array<QLabel*, 3> levels = {left.lblCreated, left.lblModified, left.lblAccessed};
  for (size_t i = 0; i < arrows.size(); ++i) {
    const QPoint at = arrowColumn_->mapFrom(this, levels[i]->mapTo(this, QPoint(0, 0)));
    arrows[i]->move((kArrowColumnWidth - kArrowSize) / 2, at.y() + (levels[i]->height() - kArrowSize) / 2);
  }
}

bool TfrmDupCompare::eventFilter(QObject* watched, QEvent* event) {
  // The arrows stay level with their lines however the layouts move them.
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize) placeArrows();
  return QDialog::eventFilter(watched, event);
}

void TfrmDupCompare::computeCRCValues() {
  const WaitCursor waiting;
  const ChecksumTexts texts = tessaly::computeCRCValues(existingFile(LeftSide), existingFile(RightSide));
  sides_[LeftSide]->lblCRC->setText(texts.left);
  sides_[RightSide]->lblCRC->setText(texts.right);
}

void TfrmDupCompare::btComputeClick() {
  computeCRCValues();
  HighlightDifferences();
}

void TfrmDupCompare::moveToPair(const std::optional<qsizetype>& row, const QString& endText) {
  if (!row) {
    showInfo(endText);
    return;
  }
  showPair(*row);
  if (dups_) dups_->setCurrentRow(int(*row));
}

void TfrmDupCompare::sbR1Click() { moveToPair(GetNextDupRow(rows_, current_, dups_ ? dups_->matchMode() : MatchMode{}), QStringLiteral("End of list")); }

void TfrmDupCompare::sbL1Click() { moveToPair(GetPrevDupRow(rows_, current_, dups_ ? dups_->matchMode() : MatchMode{}), QStringLiteral("Start of list")); }

void TfrmDupCompare::changeBackgroundColor(const QColor& face) {
  QList<QWidget*> surfaces{this, pnlSimple};
  for (QWidget* child : findChildren<QWidget*>()) {
    if (qobject_cast<QLabel*>(child) || qobject_cast<QListWidget*>(child) || qobject_cast<QGroupBox*>(child))
      surfaces.append(child);
  }
  for (QWidget* surface : surfaces) {
    QPalette colours = surface->palette();
    colours.setColor(QPalette::Window, face);
    colours.setColor(QPalette::Base, face);
    surface->setPalette(colours);
    surface->setAutoFillBackground(true);
  }
}

void TfrmDupCompare::btPrintClick() {
  if (!dialogs().setUpPrinter(printer_)) return;
  changeBackgroundColor(Qt::white);
  QPainter painter;
  if (painter.begin(&printer_)) {
    const QRect page = printer_.pageLayout().paintRectPixels(printer_.resolution());
    const qreal scale = qreal(page.width()) / width();
    painter.scale(scale, scale);
    render(&painter);
    painter.end();
  } else {
    showError(QStringLiteral("Error printing report ... quitting"));
  }
  changeBackgroundColor(QApplication::palette().color(QPalette::Button));
  HighlightDifferences();
}

}  // namespace tessaly
