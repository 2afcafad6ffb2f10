#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tessaly {

// What the find dialog holds; one for the whole program, so every viewer searches for what
// was asked last.
struct FindSettings {
  QString text;
  bool backward = false;
  bool matchCase = false;
  bool global = false;
};
FindSettings& findSettings();

// "Find": the text to search for and how. Shows the shared settings and stores them on OK.
class TFindDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit TFindDlg(QWidget* owner = nullptr);

  QLineEdit* edSearchText = nullptr;
  QRadioButton* rbForward = nullptr;
  QRadioButton* rbBackward = nullptr;
  QCheckBox* cbMatchCase = nullptr;
  QCheckBox* cbGlobal = nullptr;
  QPushButton* btOK = nullptr;
  QPushButton* btCancel = nullptr;

  void accept() override;
};

}  // namespace tessaly
