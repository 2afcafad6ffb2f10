#pragma once

#include <QString>
#include <QStringList>

namespace tessaly::platform {

// What the host knows of a file extension: the type's name and its description.
struct FileTypeEntry {
  QString className;    // the type's own name, e.g. "text/plain"
  QString description;  // e.g. "plain text document"
};

// The host's registry of file types (the shared MIME database here).
class FileTypeSource {
 public:
  virtual ~FileTypeSource() = default;
  // ext is ".doc"; empty fields when the host does not know it.
  virtual FileTypeEntry lookup(const QString& ext) const = 0;
  // Every extension that has a simple "*.ext" glob, as ".ext", in no particular order; one
  // extension may come in two spellings (".C" of C++ sources and ".c" of C sources).
  virtual QStringList knownExtensions() const = 0;
};

const FileTypeSource& fileTypeSource();
// Installs a replacement (nullptr restores the MIME database). The caller keeps ownership.
void setFileTypeSource(const FileTypeSource* source);

}  // namespace tessaly::platform
