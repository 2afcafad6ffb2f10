#pragma once

#include <QDate>
#include <QLineEdit>

class QCalendarWidget;

namespace tessaly {

// A date box: the date as text in the short date format, typed or picked from a drop-down
// calendar (the button at its end, or Alt+Down). A two-digit year typed means 1950 to 2049.
// The text may be left holding something that is not a date; date() then is invalid.
class DateBox final : public QLineEdit {
  Q_OBJECT

 public:
  explicit DateBox(QWidget* parent = nullptr);

  // The date the text reads as; invalid when it does not read as one.
  QDate date() const;
  // Writes the date in the short date format; dateChanged is not sent.
  void setDate(const QDate& date);
  void showCalendar();
  QCalendarWidget* calendar() const { return calendar_; }

 Q_SIGNALS:
  // The user picked a day in the calendar, or finished typing a date (Enter or leaving the
  // box); the text then shows it in the short date format.
  void dateChanged(const QDate& date);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void take(const QDate& date);

  QWidget* popup_;
  QCalendarWidget* calendar_;
};

}  // namespace tessaly
