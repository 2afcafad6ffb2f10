#include "ui/common/dialog_widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tessaly {

QPushButton* hintedButton(const QString& caption, const QString& hint, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

QLabel* wrappedText(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
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
