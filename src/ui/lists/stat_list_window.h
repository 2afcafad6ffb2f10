#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tessaly {

class PatternListView;

// "File types": the editor of the statistics type lists (section Include or Exclude).
// Open it with TfrmStatList editor(parent, section); editor.exec(); then read the section again.
// "Close" and Esc store the list and end with Accepted; the title-bar close box stores nothing.
class TfrmStatList final : public QDialog {
  Q_OBJECT
 public:
  TfrmStatList(QWidget* parent, const QString& section);

  void btAddClick();
  void btDeleteClick();
  void btClearClick();
  void btCloseClick();

  PatternListView* PickList1;
  QLabel* lblCount;
  QPushButton* btAdd;
  QPushButton* btDelete;
  QPushButton* btClear;
  QPushButton* btClose;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void updateCount();
  QString section_;
};

}  // namespace tessaly
