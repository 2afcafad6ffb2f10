#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/common/dos_time.h"
#include "core/inspect/version_lines.h"

namespace tessaly {

// What the details window knows about one file, from one look at its entry.
struct FileDetails {
  QString path;
  QString type;             // the description of the file's extension
  qint64 size = 0;
  qint64 clusterSize = 0;   // the block size of the drive holding the file; 0 when unknown
  DosStamp creation = 0;    // 0 where the file system records none
  DosStamp modification = 0;
  DosStamp access = 0;
  quint8 attributes = 0;
};

// Nothing when there is no entry at the path. A link is described as the link itself.
std::optional<FileDetails> readFileDetails(const QString& path);

// The rows of the details window as texts.
struct DetailsTexts {
  QString name;
  QString type;
  QString bytes;        // "1,234 bytes"
  QString clusters;     // the cluster line
  QString created;      // "3/14/2001  3 yrs ago", or "???"
  QString modified;
  QString accessed;
  QString attributes;   // " ReadOnly Hidden"
};

// The relative descriptions are taken against now.
DetailsTexts detailsTexts(const FileDetails& details, const QDateTime& now);

// "Cluster size: 4,096  Clusters used : 2": the clusters the size takes, rounded up.
QString wastedClusterSpace(qint64 size, qint64 clusterSize);
// A date row: the stamp's date, two blanks and how long ago it was; "???" without a date.
QString dateRowText(DosStamp stamp, const QDateTime& now);
// " ReadOnly", " Hidden", " System", " VolumeID", " Directory", " Archive", those the file has.
QString attributesText(quint8 attributes);

// The lines of the printed report: each label, a tab and its value, then the version lines.
QStringList detailsReportLines(const DetailsTexts& texts, const QStringList& versionLines);
// The title of the printed report.
QString detailsReportTitle(const QString& path);

// label, value: the rows of the window, then one per version item.
QList<QPair<QString, QString>> detailsFields(const DetailsTexts& texts, const QList<VersionItem>& version);

}  // namespace tessaly
