#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tessaly {

// A one-line folder name; the caller sets the caption.
class TfrmGetFolderName : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmGetFolderName(QWidget* parent = nullptr);
  QLineEdit* Edit1 = nullptr;
  QPushButton* btOK = nullptr;
  QPushButton* btCancel = nullptr;
};

}  // namespace tessaly
