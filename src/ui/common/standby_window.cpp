#include "ui/common/standby_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "core/safeharbor/protection_check.h"
#include "ui/common/help_topic.h"

namespace tessaly {

TfrmStandBy::TfrmStandBy(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("frmStandBy"));
  setWindowTitle(QStringLiteral("Loading Files"));
  setHelpTopic(this, QStringLiteral("standby.html"));
  setFixedSize(427, 94);
  auto* layout = new QVBoxLayout(this);
  auto* line = new QLabel(QStringLiteral("Loading files ... standby"), this);
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(27);
  line->setFont(font);
  line->setStyleSheet(QStringLiteral("color: blue"));
  line->setAlignment(Qt::AlignCenter);
  bar = new QProgressBar(this);
  bar->setObjectName(QStringLiteral("bar"));
  bar->setRange(0, 100);
  layout->addWidget(line);
  layout->addWidget(bar);
}

void TfrmStandBy::showEvent(QShowEvent* event) {
  if (check_) check_->forgetLastChecked();
  QDialog::showEvent(event);
}

void TfrmStandBy::hideEvent(QHideEvent* event) {
  if (check_) check_->forgetLastChecked();
  QDialog::hideEvent(event);
}

}  // namespace tessaly
