#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "ui/main/safe_harbor_hooks.h"
#include "ui/main/tool_windows.h"

class QPushButton;

namespace tessaly {


// Bits per pixel times colour planes of the display that shows the window.
int displayDepth(const QWidget& window);

// What the main window is made with; the defaults are the program's own.
struct MainWindowSetup {
  std::vector<ToolEntry> tools = toolWindows();
  SafeHarborHooks safeHarbor = safeHarborHooks();
  std::function<int(const QWidget&)> screenDepth = displayDepth;
};

// The launcher: ten tool buttons, About, Help and Exit.
class TfrmMain final : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmMain(MainWindowSetup setup = {});

  // True when the safe harbor has been built; otherwise says how to build it.
  bool checkExceptionList();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void colourFallback();
  void getDefaultZipPath();
  void applyHints();
  void toolButtonClick(const ToolEntry& tool);
  void btReachClick();
  void btHelpClick();
  void btCloseClick();

  void addToolButton(const ToolEntry& tool, int index);
  QPushButton* addSmallButton(const char* name, const QString& caption, int x);

  MainWindowSetup setup_;
  bool safeHarborMissing = true;
  QWidget* EsTile1;
  QWidget* EsGradient1;
};

}  // namespace tessaly
