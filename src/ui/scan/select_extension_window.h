#pragma once

#include <QDialog>

#include "core/safeharbor/pattern_lines.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace tessaly {

// The pattern an extension typed into the picker stands for: "doc" and ".doc" give "*.doc",
// "*.*", ".*" and "*" give none, anything else stays as typed; with its description.
ExtensionChoice choiceFromTypedText(const QString& typed);

// "Select a file extension": one typed or picked pattern, or several lines of its list.
class TfrmSelectExtension final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSelectExtension(QWidget* parent = nullptr);

  // Valid after the window ended; a cancelled choice before.
  ExtensionChoice choice() const { return choice_; }

  void btOKClick();
  void lBoxClick();

  QComboBox* cbWildCard;
  QLabel* lblWild;
  QListWidget* lBox;
  QLineEdit* Edit1;

 private:
  ExtensionChoice choice_;
};

// Shows the picker modally over parent; fits the editors' extension picker hook.
ExtensionChoice runExtensionPicker(QWidget* parent);

}  // namespace tessaly
