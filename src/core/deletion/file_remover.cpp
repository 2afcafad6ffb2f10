#include "core/deletion/file_remover.h"

#include <QFile>

namespace tessaly {
namespace {

class SystemRemover final : public FileRemover {
 public:
  bool removeFile(const QString& path) override { return QFile::remove(path); }
};

}  // namespace

FileRemover& systemRemover() {
  static SystemRemover remover;
  return remover;
}

}  // namespace tessaly
