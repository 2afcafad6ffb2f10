#include "ui/dates/date_box.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "core/common/date_texts.h"
#include "core/dates/date_query.h"

namespace tessaly {

DateBox::DateBox(QWidget* parent)
    : QLineEdit(parent), popup_(new QWidget(this, Qt::Popup)), calendar_(new QCalendarWidget(popup_)) {
  QAction* dropDown = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
  dropDown->setToolTip(QStringLiteral("Pick the date from a calendar (Alt+Down)"));
  auto* layout = new QVBoxLayout(popup_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(calendar_);
  calendar_->setGridVisible(true);

  connect(dropDown, &QAction::triggered, this, &DateBox::showCalendar);
  connect(calendar_, &QCalendarWidget::activated, this, [this](const QDate& date) {
    popup_->hide();
    take(date);
  });
  connect(calendar_, &QCalendarWidget::clicked, this, [this](const QDate& date) {
    popup_->hide();
    take(date);
  });
  connect(this, &QLineEdit::editingFinished, this, [this] {
    const QDate typed = date();
    if (typed.isValid()) take(typed);
  });
}

QDate DateBox::date() const { return readTypedDate(text()); }

void DateBox::setDate(const QDate& date) { setText(shortDateText(date)); }

void DateBox::showCalendar() {
  const QDate shown = date();
  if (shown.isValid()) calendar_->setSelectedDate(shown);
  popup_->adjustSize();
  popup_->move(mapToGlobal(QPoint(0, height())));
  popup_->show();
  calendar_->setFocus();
}

void DateBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier) {
    showCalendar();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void DateBox::take(const QDate& date) {
  setDate(date);
  Q_EMIT dateChanged(date);
}

}  // namespace tessaly
