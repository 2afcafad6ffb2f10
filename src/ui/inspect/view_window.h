#pragma once

#include <QDialog>
#include <QPrinter>
#include <functional>

#include "core/inspect/selected_lines.h"
#include "ui/common/win_place.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace tessaly {

class FileViewer;
struct FindSettings;

// The strings window is a viewer of its own without the strings and mode controls.
enum class ViewerRole { File, Strings };

// "View file": one file, read-only, as text or as a hexadecimal dump, with searching, going
// to a line, selection and copying, printing, font and tab settings and its readable strings.
class TfrmView final : public QDialog {
  Q_OBJECT

 public:
  TfrmView(const QString& path, QWidget* owner, ViewerRole role = ViewerRole::File);
  ~TfrmView() override;

  QPrinter& printer() { return printer_; }
  // Long work (counting lines, a search, printing) is going on.
  bool working() const { return working_; }

  FileViewer* Viewer1 = nullptr;
  QMenu* File1 = nullptr;
  QMenu* Clipboard1 = nullptr;
  QMenu* Search1 = nullptr;
  QMenu* Options1 = nullptr;
  QAction* Open1 = nullptr;
  QAction* Print1 = nullptr;
  QAction* PrintSetup1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* Copy1 = nullptr;
  QAction* SelectAll1 = nullptr;
  QAction* Find1 = nullptr;
  QAction* FindNext1 = nullptr;
  QAction* GotoLine1 = nullptr;
  QAction* HexMode1 = nullptr;
  QAction* TabExpansion1 = nullptr;
  QAction* TabSize1 = nullptr;
  QAction* Font1 = nullptr;
  QRadioButton* rbAscii = nullptr;
  QRadioButton* rbHex = nullptr;
  QPushButton* btFont = nullptr;
  QPushButton* btPrintSetup = nullptr;
  QPushButton* btPrint = nullptr;
  QPushButton* btStrings = nullptr;
  QPushButton* btClose = nullptr;
  QLabel* lblPosition = nullptr;
  QLabel* lblTotal = nullptr;
  QLabel* lblTop = nullptr;
  QLabel* lblBytes = nullptr;
  QLabel* lblWork = nullptr;
  QProgressBar* pbWork = nullptr;
  QPushButton* btStop = nullptr;

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildMenus();
  void buildButtons();
  void buildStatusLine();
  void openInViewer(const QString& path);
  void updateMenus();
  void Viewer1ShowStatus();
  void Open1Click();
  void Print1Click();
  void PrintSetup1Click();
  void Copy1Click();
  void Find1Click();
  void FindNext1Click();
  void GotoLine1Click();
  void setHexMode(bool hex);
  void TabSize1Click();
  void Font1Click();
  void btStringsClick();
  void search(const FindSettings& settings, bool global);
  bool countLines();
  void printRange(const ViewerPosition& from, const ViewerPosition& to);
  // Runs the work a slice at a time, the window live between slices, until step() says it is
  // done (true) or the user stops it (false).
  bool runLongWork(const QString& what, const std::function<bool()>& step, const std::function<int()>& percent);
  void setControlsEnabled(bool enabled);

  ViewerRole role_;
  QPrinter printer_;
  TWinPlace placement_;
  bool shown_ = false;
  bool working_ = false;
  bool stopRequested_ = false;
  bool closeAfterWork_ = false;
};

}  // namespace tessaly
