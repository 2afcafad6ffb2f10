#pragma once

#include <deque>

#include "ui/lists/extension_picker.h"

namespace tessaly::testkit {

// Answers the extension picker from a script while it lives.
class ScriptedPicker {
 public:
  ScriptedPicker() {
    setExtensionPicker([this](QWidget*) {
      if (choices_.empty()) return ExtensionChoice{};
      ExtensionChoice next = choices_.front();
      choices_.pop_front();
      return next;
    });
  }
  ~ScriptedPicker() { setExtensionPicker({}); }
  void single(const QString& pattern, const QString& description) {
    choices_.push_back({true, false, pattern, description, {}});
  }
  void several(const QStringList& lines) { choices_.push_back({true, true, {}, {}, lines}); }
  void cancelled() { choices_.push_back({}); }

 private:
  std::deque<ExtensionChoice> choices_;
};

}  // namespace tessaly::testkit
