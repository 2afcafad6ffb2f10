#pragma once

#include <QString>
#include <QStringList>

namespace tessaly {

// folders.txt, the saved safe harbor folder list: one entry a line, CR LF, sorted.
// Its absence means that the safe harbor has not been built.
bool foldersFileExists();
// The non-empty lines of the file; empty when it does not exist or cannot be read.
QStringList readFoldersFile();
// Writes the entries sorted (creating the file's folder), or deletes the file when there are
// none. On failure returns false and puts the reason into *error.
bool saveFoldersFile(QStringList entries, QString* error);

}  // namespace tessaly
