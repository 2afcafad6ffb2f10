#include "ui/common/help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/common/text_routines.h"

namespace tessaly {
TfrmHelp::TfrmHelp(QWidget* owner) : QWidget(owner, Qt::Window) {
  setWindowTitle(QStringLiteral("Tessaly 99 Help"));
  resize(620, 560);

  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  auto* btContents = new QPushButton(QStringLiteral("&Contents"), this);
  auto* btBack = new QPushButton(QStringLiteral("&Back"), this);
  auto* btClose = new QPushButton(QStringLiteral("&Close"), this);

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
}

void TfrmHelp::showPage(const QString& manualFolder, const QString& pageName) {
  const QString page = joinPath(manualFolder, pageName);
  if (QFileInfo::exists(page)) {
    browser_->setSource(QUrl::fromLocalFile(page));
  } else {
    browser_->setHtml(QStringLiteral("<h2>Help is not installed</h2><p>The help page %1 could not be found.</p>")
                          .arg(page.toHtmlEscaped()));
  }
  show();
  raise();
  activateWindow();
}

}  // namespace tessaly
