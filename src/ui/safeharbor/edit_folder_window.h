#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tessaly {

// "Edit Folder": one safe harbor folder and whether its sub-folders are protected too.
class TfrmEditFolder final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmEditFolder(QWidget* parent);

  void SpeedButton1Click();
  void updateExample();

  QLineEdit* Edit1;
  QToolButton* SpeedButton1;
  QCheckBox* cbAll;
  QLabel* lblExample;
  QPushButton* btOk;
  QPushButton* btCancel;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace tessaly
