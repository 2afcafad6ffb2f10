#pragma once

#include <QDialog>
#include <QPrinter>
#include <QUrl>
#include <functional>

#include "core/inspect/file_details.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tessaly {

// "File Details": everything the program knows about one file, the version information
// embedded in it, and the commands to open it, view it and print the details.
class TfrmDetails final : public QDialog {
  Q_OBJECT

 public:
  TfrmDetails(const QString& path, QWidget* owner);

  // How "&Open" hands the file to the desktop and "&View" shows it; tests replace them.
  std::function<bool(const QUrl&)> openUrl;
  std::function<void(const QString& path)> viewFile;
  QPrinter& printer() { return printer_; }

  QLabel* imgIcon = nullptr;
  QLabel* lblName = nullptr;
  QLabel* lblType = nullptr;
  QLabel* lblSize = nullptr;
  QLabel* lblClusters = nullptr;
  QLabel* lblCreated = nullptr;
  QLabel* lblModified = nullptr;
  QLabel* lblAccessed = nullptr;
  QLabel* lblAttributes = nullptr;
  QPlainTextEdit* memVersion = nullptr;
  QPushButton* btLaunch = nullptr;
  QPushButton* btView = nullptr;
  QPushButton* btPrint = nullptr;
  QPushButton* btClose = nullptr;

 private:
  void FormShow();
  void btLaunchClick();
  void btViewClick();
  void btPrintClick();

  QString path_;
  DetailsTexts texts_;
  QStringList version_;
  QPrinter printer_;
};

}  // namespace tessaly
