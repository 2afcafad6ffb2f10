#pragma once

#include <QString>

namespace tessaly::platform {

// The desktop trash. A refusal leaves the file where it was; nothing is ever copied
// across volumes to reach a trash folder.
class Trash {
 public:
  virtual ~Trash() = default;
  // False with the host's reason when the file could not be moved to the trash.
  virtual bool moveToTrash(const QString& path, QString* reason) = 0;
};

// The freedesktop.org trash through GIO (home trash, or the one at the top of the file's volume).
Trash& desktopTrash();

}  // namespace tessaly::platform
