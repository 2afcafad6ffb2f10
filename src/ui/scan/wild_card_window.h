#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

namespace tessaly {

// "Wildcard pattern": the caller puts the current pattern into cbWildCard, shows the window
// modally and, after OK, takes the combo box's text as the new pattern.
class TfrmWildCard final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmWildCard(QWidget* parent = nullptr);

  void FormShow();
  void updateLabels();

  QComboBox* cbWildCard;
  QLabel* lblWild;
  QLabel* lblType;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace tessaly
