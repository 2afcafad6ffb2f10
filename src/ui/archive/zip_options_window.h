#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace tessaly {

// "Archive Zip File Options": the archive folder and the comment of the next archive run.
// Whichever button closes it, the folder and comment shown are stored.
class TfrmZipOptions : public QDialog {
  Q_OBJECT

 public:
  // defaultZipPath is the program's archive folder; the dialog updates it on close.
  explicit TfrmZipOptions(QString& defaultZipPath, QWidget* parent = nullptr);
  QString comment() const { return comment_; }

  QLineEdit* Edit1 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QPushButton* btOK = nullptr;
  QPushButton* btCancel = nullptr;

  void done(int result) override;

 private:
  void readSettings();
  void writeSettings();
  void SpeedButton1Click();
  QString& defaultZipPath_;
  QString comment_;
};

}  // namespace tessaly
