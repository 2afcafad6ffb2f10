#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaly {

// The Deleted page: the files the program has deleted, zipped and sent to the trash since
// the totals were last reset, read afresh each time the page is shown.
class DeletedPage final : public QWidget {
  Q_OBJECT
 public:
  explicit DeletedPage(QWidget* parent);

  void showFilesDeleted();
  // "Reset these numbers": asks, then sets every stored total back to "not recorded".
  void Button1Click();

  QLabel* lblSince1;
  QLabel* lblZipSince;
  QLineEdit* edNdelete;
  QLineEdit* edSzDelete;
  QLineEdit* edNZip;
  QLineEdit* edSzZip;
  QLineEdit* edNWaste;
  QLineEdit* edSzWaste;
  QPushButton* Button1;

 private:
  QLineEdit* box(const char* name);
};

}  // namespace tessaly
