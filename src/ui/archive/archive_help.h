#pragma once

#include <QString>

namespace tessaly {

// The manual's page that F1 opens in the unzip window and the dialogs it opens.
inline const QString kUnzipHelpPage = QStringLiteral("unzip.html");

}  // namespace tessaly
