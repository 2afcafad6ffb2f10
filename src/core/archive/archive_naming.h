#pragma once

#include <QDateTime>
#include <QString>

namespace tessaly {

// Every absolute path of this host lies in one tree, so every archive names the same drive.
inline constexpr char16_t kHostDrivePart[] = u"root";

// "ddmmmyyhhmm" with the locale's short month name: 06Sep970533.
QString archiveTimeText(const QDateTime& when);

// folder + "Drive-" + drive + "-" + tag + time + ".zip"; an empty folder means the home folder.
QString archiveFileName(const QString& folder, const QString& tag, const QString& drivePart, const QDateTime& when);

// The entry name a file is archived under: its absolute path without the leading "/".
QString archiveEntryName(const QString& path);

// The drive part of an archive name ("root" in Drive-root-...), empty when it has none.
QString archiveDrivePart(const QString& archivePath);

}  // namespace tessaly
