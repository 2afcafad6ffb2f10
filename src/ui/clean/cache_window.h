#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "core/deletion/deletion_request.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace tessaly {

// "Internet Browser Cache Folders": the stored list of browser cache folders, and the clearing
// of the files in them that have not been used for a number of days. The list is stored
// whenever the window closes.
class TfrmCache final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmCache(QWidget* parent = nullptr);

  void btAddClick();
  void btDelClick();
  void btInitClick();
  void btClearClick();

  // The listed folders, each path as the host names it.
  QStringList folders() const;

  void done(int result) override;

  QLabel* lblHeading;
  QListWidget* ListBox1;
  QPushButton* btAdd;
  QPushButton* btDel;
  QPushButton* btInit;
  QSpinBox* nDays;
  QPushButton* btClear;
  QPushButton* btClose;

  // Shows the deletion window modally for the collected files; its answer does not matter, the
  // window stays open. Tests put their own in place.
  std::function<void(const DeletionRequest&)> runDeletion;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void ReadInFromDisk();
  void WriteOutToDisk();
  void addFolder(const QString& folder);

  bool shownOnce_ = false;
};

}  // namespace tessaly
