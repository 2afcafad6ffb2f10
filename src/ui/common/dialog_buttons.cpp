#include "ui/common/dialog_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace tessaly {

QPushButton* hintedButton(const QString& caption, const QString& hint, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

QHBoxLayout* okCancelRow(QWidget* parent, QPushButton** ok, QPushButton** cancel) {
  *ok = new QPushButton(QStringLiteral("OK"), parent);
  (*ok)->setDefault(true);
  *cancel = new QPushButton(QStringLiteral("Cancel"), parent);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(*ok);
  row->addWidget(*cancel);
  return row;
}

}  // namespace tessaly
