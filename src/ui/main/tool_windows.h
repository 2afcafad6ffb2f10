#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ui/common/wait_cursor.h"
#include "ui/main/tool_glyphs.h"

class QWidget;

namespace tessaly {

// What a tool window tells the main window after it closed.
struct ToolOutcome {
  // The safe harbor window changed its lists: the main window reloads them.
  bool safeHarborChanged = false;
};

// Opens one tool with the main window as owner and returns when it is closed
// (the statistics window, shown without blocking, returns at once).
using ToolOpener = std::function<ToolOutcome(QWidget* owner)>;

// One tool button of the main window.
struct ToolEntry {
  QString buttonName;  // "btDuplicate"
  QString caption;     // "&Duplicate files"
  QString hint;
  GlyphPainter glyph;
  // The tool refuses to open while the safe harbor folder list has not been built.
  bool checksSafeHarbor;
  // The value findDups takes just before the tool opens, when it has one.
  std::optional<bool> findDups;
  ToolOpener opener;
};

// The ten tools in button order: the left column top to bottom, then the right column.
// This is the one place where the tool windows are plugged in.
std::vector<ToolEntry> toolWindows();

// Makes a tool window owned by the main window. With the hourglass the wait cursor shows
// while the window is made and is gone before the caller shows it. The pointer destroys the
// window when the opener returns, also when showing it throws.
template <class Window>
std::unique_ptr<Window> makeToolWindow(QWidget* owner, bool hourglass = false) {
  const WaitCursor waitCursor(hourglass);
  return std::make_unique<Window>(owner);
}

}  // namespace tessaly
