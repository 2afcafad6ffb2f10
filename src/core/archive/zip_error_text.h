#pragma once

#include <QString>

typedef struct zip_error zip_error_t;

namespace tessaly {

// The zip engine's own words for one of its error codes.
QString zipErrorText(int code);
// The reason of an engine failure: the system's words when the system refused (no space
// left on the device), the engine's otherwise.
QString zipFailureText(const zip_error_t* error);
// The system refused for want of space: the disk or the user's quota is full.
bool zipFailedForSpace(const zip_error_t* error);

}  // namespace tessaly
