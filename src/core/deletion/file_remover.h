#pragma once

#include <QString>

namespace tessaly {

// Permanent removal of one file, behind an interface so tests can make a removal fail.
class FileRemover {
 public:
  virtual ~FileRemover() = default;
  virtual bool removeFile(const QString& path) = 0;
};

FileRemover& systemRemover();

}  // namespace tessaly
