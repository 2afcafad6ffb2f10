#pragma once

#include <QString>

namespace tessaly {

// Permanent removal of one file, behind an interface so tests can make a removal fail.
class FileRemover {
 public:
  virtual ~FileRemover() = default;
  // False with the system's reason when the file stays.
  virtual bool removeFile(const QString& path, QString* reason) = 0;
};

FileRemover& systemRemover();

}  // namespace tessaly
