#include "ui/lists/extension_picker.h"

namespace tessaly {
namespace {
ExtensionPicker& installedPicker() {
  static ExtensionPicker picker;
  return picker;
}
}  // namespace

void setExtensionPicker(ExtensionPicker picker) { installedPicker() = std::move(picker); }

ExtensionChoice pickExtension(QWidget* parent) {
  const ExtensionPicker& picker = installedPicker();
  return picker ? picker(parent) : ExtensionChoice{};
}

}  // namespace tessaly
