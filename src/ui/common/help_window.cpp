#include "ui/common/help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/common/text_routines.h"
#include "platform/xdg_paths.h"

namespace tessaly {
namespace {

constexpr QSize kPreferredSize(620, 560);
// At most this share of the screen, so a scaled viewer still fits with room around it.
constexpr double kLargestScreenShare = 0.9;

}  // namespace

TfrmHelp::TfrmHelp(QWidget* owner) : QWidget(owner, Qt::Window), manualFolder_(platform::manualFolder()) {
  setWindowTitle(QStringLiteral("Tessaly 99 Help"));

  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  btContents = new QPushButton(QStringLiteral("&Contents"), this);
  btBack = new QPushButton(QStringLiteral("&Back"), this);
  btClose = new QPushButton(QStringLiteral("Close"), this);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btContents);
  buttons->addWidget(btBack);
  buttons->addStretch();
  buttons->addWidget(btClose);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_, 1);

  connect(btContents, &QPushButton::clicked, browser_, &QTextBrowser::home);
  connect(btBack, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, btBack, &QPushButton::setEnabled);
  connect(btClose, &QPushButton::clicked, this, &QWidget::close);
  btBack->setEnabled(false);

  // The keys of a desktop help viewer: Escape closes it, Alt+Left goes back, and F1 explains
  // the viewer itself.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, browser_, &QTextBrowser::backward);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
          [this] { showPage(manualFolder_, kHelpViewerPage); });
}

void TfrmHelp::showPage(const QString& manualFolder, const QString& pageName) {
  manualFolder_ = manualFolder;
  const QString page = joinPath(manualFolder, pageName);
  if (QFileInfo::exists(page)) {
    browser_->setSource(QUrl::fromLocalFile(page));
  } else {
    browser_->setHtml(QStringLiteral("<h2>Help is not installed</h2><p>The help page %1 could not be found.</p>")
                          .arg(page.toHtmlEscaped()));
  }
  const bool opening = !isVisible();
  const QRect area = (parentWidget() ? parentWidget()->screen() : screen())->availableGeometry();
  if (opening) resize(kPreferredSize.boundedTo(area.size() * kLargestScreenShare));
  show();
  // Centred once shown, when the frame the desktop puts around it is known.
  if (opening) {
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
  }
  raise();
  activateWindow();
}

}  // namespace tessaly
