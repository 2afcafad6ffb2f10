#pragma once

#include <QString>

namespace tessaly {

// The archive folder and comment of the settings section "ZipFile".
QString readArchiveFolder();
QString readArchiveComment();
void writeArchiveOptions(const QString& folder, const QString& comment);

// The comment field's length limit.
inline constexpr int kArchiveCommentLimit = 80;

}  // namespace tessaly
