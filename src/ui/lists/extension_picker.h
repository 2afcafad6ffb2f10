#pragma once

#include <functional>

#include "core/safeharbor/pattern_lines.h"

class QWidget;

namespace tessaly {

// Opens the extension picker ("Select a file extension") modally over parent. The picker
// window belongs to the scanning windows; the program installs it here at start, tests
// install a scripted one.
using ExtensionPicker = std::function<ExtensionChoice(QWidget* parent)>;

void setExtensionPicker(ExtensionPicker picker);
// A cancelled choice while no picker is installed.
ExtensionChoice pickExtension(QWidget* parent);

}  // namespace tessaly
