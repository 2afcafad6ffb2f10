#pragma once

#include <QString>
#include <QStringList>

#include "platform/directory_reader.h"

class QFile;

namespace tessaly::platform {

// Why a file could not be written back.
enum class RestoreFailure : quint8 {
  None,
  Exists,   // a file of that name is there already; it is never replaced
  Refused,  // the path would leave the destination or pass a link that is not followed
  System,   // the host refused (no space, no permission ...)
};

// The folder an archive's files are written back into. Below it every folder an entry names
// is entered or made. A link met on the way is followed only when root or the user running
// the program owns it (so /home -> /var/home on image-based systems is followed, a link
// planted by another user is not) and only to a folder inside the destination; nothing
// outside the destination is ever made or written, and no link is ever made.
class RestoreFolder {
 public:
  // The destination the user chose; a link naming it is followed.
  bool open(const QString& destination, QString* reason);
  bool isOpen() const { return root_.isOpen(); }

  // The folder named by the parts below the destination, made where missing.
  OpenFolder enter(const QStringList& parts, RestoreFailure* failure, QString* reason) const;

  // Creates the file exclusively (never through a link, never over an existing file).
  static RestoreFailure createFile(const OpenFolder& folder, const QString& name, QFile* file, QString* reason);
  // Gives the written file its permission bits (07777 without the set-id bits) and then,
  // once it is closed, its modification time.
  static bool finishFile(const OpenFolder& folder, const QString& name, QFile* file, quint32 permissions,
                         qint64 modifiedSeconds, QString* reason);
  // Removes a file that could not be written whole.
  static void discardFile(const OpenFolder& folder, const QString& name);

 private:
  bool isInside(const OpenFolder& folder) const;
  OpenFolder root_;
  QByteArray rootPath_;  // resolved, ends without "/" except for "/"
};

}  // namespace tessaly::platform
