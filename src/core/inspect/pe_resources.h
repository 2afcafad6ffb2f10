#pragma once

#include <QByteArray>
#include <optional>

#include "core/inspect/paged_file.h"

namespace tessaly {

// The version resource of a Windows program file (the PE format of .exe, .dll, .ocx and the
// like): the bytes of its VS_VERSIONINFO block. Nothing when the file is not such a program,
// has no version resource, or any offset or length on the way points outside the file.
std::optional<QByteArray> peVersionResource(PagedFile& file);

}  // namespace tessaly
