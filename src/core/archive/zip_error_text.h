#pragma once

#include <QString>

namespace tessaly {

// The zip engine's own words for one of its error codes.
QString zipErrorText(int code);

}  // namespace tessaly
