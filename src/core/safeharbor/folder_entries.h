#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tessaly {

// A folder entry is a folder ending in "/" (protects what lies directly in it) or such a folder
// followed by "*.*" (protects the folder and everything below it).
inline const QString allFilesMark = QStringLiteral("*.*");

bool coversSubFolders(QStringView entry);
// The entry without its "*.*".
QString entryFolder(const QString& entry);
QString withTrailingSlash(const QString& folder);
// The form the check compares: the folder part cleaned ("//", "/./", "/../" resolved) and ended
// by "/", "*.*" kept. Letter case is kept: on this host /USR/LIB is not /usr/lib. Empty when
// the entry names no folder.
QString normalizedEntry(const QString& entry);
// A folder text with its "//", "/./" and "/../" resolved and one "/" at its end.
QString normalizedFolder(const QString& folder);
// The text holds "//", "/./" or "/../", or ends in "/." or "/..": the same folder spelt otherwise.
bool needsCleaning(QStringView folder);

// The order of the sorted lists: without regard to case, ties broken by case.
bool entrySortsBefore(const QString& a, const QString& b);
void sortEntries(QStringList& entries);

// Drops every entry that lies inside a folder protected with "*.*" (whole-name prefix of the
// entry's text), keeps every "*.*" entry once, and sorts the list. work receives the "*.*" entries.
void pruneCoveredFolders(QStringList& list, QStringList& work);

}  // namespace tessaly
