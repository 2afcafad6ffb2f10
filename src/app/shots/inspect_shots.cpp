#include "app/shots/inspect_shots.h"

#include <QDateTime>
#include <QFile>

#include "inspect/pe_image_builder.h"

namespace tessaly::shots {

QString writeSampleProgram(const QString& folder) {
  testkit::PeRequest request;
  request.strings = {{"CompanyName", "Quornel Corporation"},
                     {"FileDescription", "Tessaly sample program"},
                     {"FileVersion", "3.1.0.7"},
                     {"InternalName", "sample"},
                     {"LegalCopyright", "Copyright (c) 1999 Quornel Corporation"},
                     {"OriginalFilename", "SAMPLE.EXE"},
                     {"ProductName", "Tessaly 99"},
                     {"ProductVersion", "3.1"}};
  const QString path = folder + QStringLiteral("/sample.exe");
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(testkit::buildPe(request).bytes);
  file.close();
  // Set after the bytes are written, or the write would stamp the file anew.
  if (file.open(QIODevice::ReadOnly))
    file.setFileTime(QDateTime(QDate(1999, 6, 15), QTime(10, 30)), QFileDevice::FileModificationTime);
  return path;
}

}  // namespace tessaly::shots
