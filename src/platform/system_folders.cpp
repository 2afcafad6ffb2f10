#include "platform/system_folders.h"

namespace tessaly::platform {

QStringList systemFolders() {
  return {QStringLiteral("/bin"),  QStringLiteral("/boot"),  QStringLiteral("/etc"),
          QStringLiteral("/lib"),  QStringLiteral("/lib32"), QStringLiteral("/lib64"),
          QStringLiteral("/opt"),  QStringLiteral("/sbin"),  QStringLiteral("/usr"),
          QStringLiteral("/var/lib")};
}

QString searchPathVariable() { return qEnvironmentVariable("PATH"); }

}  // namespace tessaly::platform
