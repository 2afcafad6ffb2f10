#pragma once

#include <functional>

namespace tessaly {

// What the main window asks of the safe harbor when it shows and after the safe harbor
// window changed the lists. The safe harbor's own code supplies the real work.
struct SafeHarborHooks {
  // Empties the one-entry cache of the check (lastCheckedFolder).
  std::function<void()> forgetLastChecked;
  // Loads the protected file extensions.
  std::function<void()> readSafeHarborExtensions;
  // Loads the folder lists; true when the folder list file does not exist yet.
  std::function<bool()> getSearchPath;
};

// The hooks the program runs with.
SafeHarborHooks safeHarborHooks();

}  // namespace tessaly
