#include "ui/main/about_window.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "ui/main/main_decor.h"
#include "ui/main/maker_details.h"
#include "ui/common/help_topic.h"

namespace tessaly {

TfrmAbout::TfrmAbout(QWidget* owner, UrlOpener openUrl)
    : QDialog(owner),
      openUrl_(openUrl ? std::move(openUrl) : UrlOpener([](const QUrl& url) { return QDesktopServices::openUrl(url); })) {
  setWindowTitle(QStringLiteral("How to contact us"));
  setHelpTopic(this, QStringLiteral("about.html"));

  auto* product = new QLabel(QStringLiteral("Tessaly 99"), this);
  product->setFont(serifFont(34));
  auto* version = new QLabel(QStringLiteral("Version 3.1"), this);
  auto* makerName = new QLabel(maker::name(), this);
  QFont bold = makerName->font();
  bold.setBold(true);
  makerName->setFont(bold);
  auto* address = new QLabel(maker::postalAddress(), this);

  auto* contacts = new QGridLayout;
  contacts->addWidget(new QLabel(QStringLiteral("Voice:"), this), 0, 0);
  contacts->addWidget(new QLabel(maker::voice(), this), 0, 1);
  contacts->addWidget(new QLabel(QStringLiteral("Fax:"), this), 1, 0);
  contacts->addWidget(new QLabel(maker::fax(), this), 1, 1);
  contacts->addWidget(new QLabel(QStringLiteral("Web:"), this), 2, 0);
  auto* web = new ClickableLabel(maker::webAddress(), this);
  web->setObjectName(QStringLiteral("lblWeb"));
  QPalette link = web->palette();
  link.setColor(QPalette::WindowText, QColor(0, 0, 200));
  web->setPalette(link);
  contacts->addWidget(web, 2, 1);
  contacts->setColumnStretch(1, 1);

  btOK = new QPushButton(QStringLiteral("OK"), this);
  btOK->setObjectName(QStringLiteral("btOK"));
  btOK->setDefault(true);
  btWebPage = new QPushButton(QStringLiteral("Quornel &Web Page"), this);
  btWebPage->setObjectName(QStringLiteral("btWebPage"));
  btWebPage->setToolTip(QStringLiteral("Launch your browser to Quornel Home Page"));
  btWebPage->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btOK);
  buttons->addWidget(btWebPage);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 16, 24, 16);
  layout->addWidget(product, 0, Qt::AlignHCenter);
  layout->addWidget(version, 0, Qt::AlignHCenter);
  layout->addSpacing(12);
  layout->addWidget(makerName);
  layout->addWidget(address);
  layout->addLayout(contacts);
  layout->addSpacing(12);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btWebPage, &QPushButton::clicked, this, &TfrmAbout::openWebPage);
  connect(web, &ClickableLabel::clicked, this, &TfrmAbout::openWebPage);
}

void TfrmAbout::openWebPage() {
  if (!openUrl_(QUrl(maker::webPage())))
    showError(QStringLiteral("Unable to start web browser. Make sure you have it properly set-up on your system."));
}

}  // namespace tessaly
