#pragma once

#include <QString>

namespace tessaly {

// The values the main window prepares for the whole run and the tool windows read.
// Header-only so that a tool window's library can reach it without linking the main window.
struct AppState {
  // True: the duplicate/file-hog window works as the duplicate files tool; false: file hogs.
  bool findDups = false;
  // The default folder for archives of removed files.
  QString defaultZipPath;
};

inline AppState& appState() {
  static AppState state;
  return state;
}

}  // namespace tessaly
