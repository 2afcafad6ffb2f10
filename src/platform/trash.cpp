#include "platform/trash.h"

#include <gio/gio.h>

#include "platform/host_path.h"

namespace tessaly::platform {
namespace {

class GioTrash final : public Trash {
 public:
  bool moveToTrash(const QString& path, QString* reason) override {
    GFile* file = g_file_new_for_path(encodePath(path).constData());
    GError* error = nullptr;
    // g_file_trash renames into a trash folder on the same volume, or fails; it never copies.
    const bool moved = g_file_trash(file, nullptr, &error);
    if (!moved && reason) *reason = error ? QString::fromUtf8(error->message) : QString();
    if (error) g_error_free(error);
    g_object_unref(file);
    return moved;
  }
};

}  // namespace

Trash& desktopTrash() {
  static GioTrash trash;
  return trash;
}

}  // namespace tessaly::platform
