#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace tessaly {

// A push button with its hint that Enter does not press: in the list windows Enter belongs
// to the default button alone.
QPushButton* hintedButton(const QString& caption, const QString& hint, QWidget* parent);

// A label whose text wraps at the width of its place.
QLabel* wrappedText(const QString& text, QWidget* parent);

// The right-aligned "OK" (default) and "Cancel" row of the small dialogs.
QHBoxLayout* okCancelRow(QWidget* parent, QPushButton** ok, QPushButton** cancel);

}  // namespace tessaly
