#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

namespace tessaly {

// A push button with its hint that Enter does not press: in the list windows Enter belongs
// to the default button alone.
QPushButton* hintedButton(const QString& caption, const QString& hint, QWidget* parent);

// A label whose text wraps at the width of its place.
QLabel* wrappedText(const QString& text, QWidget* parent);

// A button that drops the menu down below itself when pressed.
void dropMenuBelow(QPushButton* button, QMenu* menu);

// The menu at the pointer on a right click in the widget (in a list or grid, in its viewport).
void showMenuOnRightClick(QWidget* widget, QMenu* menu);

// The right-aligned "OK" (default) and "Cancel" row of the small dialogs.
QHBoxLayout* okCancelRow(QWidget* parent, QPushButton** ok, QPushButton** cancel);

}  // namespace tessaly
