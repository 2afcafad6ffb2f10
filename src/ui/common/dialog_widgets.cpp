#include "ui/common/dialog_widgets.h"

#include <QAbstractScrollArea>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace tessaly {

void dropMenuBelow(QPushButton* button, QMenu* menu) {
  QObject::connect(button, &QPushButton::clicked, menu,
                   [button, menu] { menu->popup(button->mapToGlobal(QPoint(0, button->height()))); });
}

void showMenuOnRightClick(QWidget* widget, QMenu* menu) {
  // A scroll area reports the click in its viewport's coordinates.
  auto* scrollArea = qobject_cast<QAbstractScrollArea*>(widget);
  QWidget* area = scrollArea ? scrollArea->viewport() : widget;
  widget->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
                   [area, menu](const QPoint& at) { menu->popup(area->mapToGlobal(at)); });
}

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
