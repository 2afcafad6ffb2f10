#include "ui/inspect/details_window.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/common/dialogs.h"
#include "core/inspect/file_details.h"
#include "core/inspect/version_lines.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"
#include "ui/common/report_printer.h"
#include "ui/common/win_place.h"
#include "ui/inspect/icon_file.h"
#include "ui/inspect/view_window.h"

namespace tessaly {
namespace {

const QSize kClientSize(608, 440);
constexpr int kIconSize = 32;
constexpr int kButtonGap = 10;

QLabel* valueLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

TfrmDetails::TfrmDetails(const QString& path, QWidget* owner) : QDialog(owner), path_(path) {
  setObjectName(QStringLiteral("frmDetails"));
  setWindowTitle(QStringLiteral("File Details"));
  openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  viewFile = [this](const QString& file) {
    TfrmView view(file, this);
    view.exec();
  };

  auto* layout = new QGridLayout(this);
  imgIcon = new QLabel(this);
  imgIcon->setFixedSize(kIconSize, kIconSize);
  layout->addWidget(imgIcon, 0, 0, 3, 1, Qt::AlignTop);
  const auto addRow = [&](int row, const QString& caption, QLabel** value) {
    layout->addWidget(new QLabel(caption, this), row, 1, Qt::AlignTop);
    *value = valueLabel(this);
    layout->addWidget(*value, row, 2);
  };
  addRow(0, QStringLiteral("Name of file:"), &lblName);
  lblName->setWordWrap(true);
  addRow(1, QStringLiteral("Type of file:"), &lblType);
  addRow(2, QStringLiteral("Size:"), &lblSize);
  lblClusters = valueLabel(this);
  layout->addWidget(lblClusters, 3, 2);
  addRow(4, QStringLiteral("Creation date:"), &lblCreated);
  addRow(5, QStringLiteral("Modification date:"), &lblModified);
  addRow(6, QStringLiteral("Access date:"), &lblAccessed);
  addRow(7, QStringLiteral("Attributes:"), &lblAttributes);
  memVersion = new QPlainTextEdit(this);
  memVersion->setReadOnly(true);
  memVersion->setLineWrapMode(QPlainTextEdit::NoWrap);
  memVersion->setTabChangesFocus(true);
  layout->addWidget(memVersion, 8, 0, 1, 3);
  layout->setRowStretch(8, 1);
  layout->setColumnStretch(2, 1);

  btLaunch = hintedButton(QStringLiteral("&Open"), QStringLiteral("Run/launch associated application"), this);
  btView = hintedButton(QStringLiteral("&View"), QStringLiteral("View file"), this);
  btPrint = hintedButton(QStringLiteral("&Print"), QStringLiteral("Print file details"), this);
  btClose = hintedButton(QStringLiteral("Close"), QString(), this);
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(0, kButtonGap, 0, 0);
  buttons->addStretch();
  for (QPushButton* button : {btLaunch, btView, btPrint, btClose}) buttons->addWidget(button);
  layout->addLayout(buttons, 9, 0, 1, 3);

  connect(btLaunch, &QPushButton::clicked, this, &TfrmDetails::btLaunchClick);
  connect(btView, &QPushButton::clicked, this, &TfrmDetails::btViewClick);
  connect(btPrint, &QPushButton::clicked, this, &TfrmDetails::btPrintClick);
  connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
  setHelpTopic(this, QStringLiteral("file-details.html"));
  FormShow();
}

// Fills the window; a file that has gone leaves it empty. Without version information the
// box goes and the window ends just below the buttons.
void TfrmDetails::FormShow() {
  const std::optional<FileDetails> details = readFileDetails(path_);
  if (details) {
    imgIcon->setPixmap(iconfile(path_).pixmap(kIconSize, kIconSize));
    version_ = GetVer(path_, true);
    memVersion->setPlainText(version_.join(u'\n'));
    // One tab stop just past the longest label lines the values up.
    const QFontMetrics metrics = memVersion->fontMetrics();
    int widest = 0;
    for (const QString& line : version_) widest = qMax(widest, metrics.horizontalAdvance(line.section(u'\t', 0, 0)));
    memVersion->setTabStopDistance(widest + metrics.averageCharWidth());
    texts_ = detailsTexts(*details, QDateTime::currentDateTime());
    lblName->setText(texts_.name);
    lblType->setText(texts_.type);
    lblSize->setText(texts_.bytes);
    lblClusters->setText(texts_.clusters);
    lblCreated->setText(texts_.created);
    lblModified->setText(texts_.modified);
    lblAccessed->setText(texts_.accessed);
    lblAttributes->setText(texts_.attributes);
  }
  if (version_.isEmpty()) {
    memVersion->hide();
    static_cast<QGridLayout*>(layout())->setRowStretch(8, 0);
    setFixedSize(QSize(kClientSize.width(), 0).expandedTo(sizeHint()));
  } else {
    setFixedSize(kClientSize.expandedTo(sizeHint()));
  }
  centreOnScreen(*this);
}

void TfrmDetails::btLaunchClick() {
  if (!openUrl(QUrl::fromLocalFile(path_))) showError(QStringLiteral("Couldn't open ") + path_);
}

void TfrmDetails::btViewClick() { viewFile(path_); }

void TfrmDetails::btPrintClick() {
  if (dialogs().setUpPrinter(printer_)) printLines(printer_, detailsReportLines(texts_, version_), detailsReportTitle(path_));
}

}  // namespace tessaly
