#include "core/deletion/file_remover.h"

#include "platform/host_files.h"

namespace tessaly {
namespace {

class SystemRemover final : public FileRemover {
 public:
  bool removeFile(const QString& path, QString* reason) override { return platform::removeFile(path, reason); }
};

}  // namespace

FileRemover& systemRemover() {
  static SystemRemover remover;
  return remover;
}

}  // namespace tessaly
