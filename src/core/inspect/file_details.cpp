#include "core/inspect/file_details.h"

#include "core/common/date_texts.h"
#include "core/common/file_types.h"
#include "core/common/text_routines.h"
#include "core/walk/directory_walk.h"
#include "core/walk/entry_facts.h"
#include "platform/drive_table.h"
#include "platform/directory_reader.h"

namespace tessaly {
namespace {

const QString kBlankLine = QStringLiteral(" ");
constexpr int kClusterLineIndent = 15;

QString nameOf(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

}  // namespace

std::optional<FileDetails> readFileDetails(const QString& path) {
  platform::EntryStatus status;
  if (!platform::pathStatus(path, &status)) return std::nullopt;
  FileDetails details;
  details.path = path;
  details.type = fileTypeDescription(extensionOf(nameOf(path)));
  details.size = status.size;
  details.clusterSize = platform::driveTable().blockSize(path);
  const EntryStamps stamps = entryStamps(status);
  details.creation = stamps.creation;
  details.modification = stamps.write;
  details.access = stamps.access;
  const QByteArray name = nameOf(path).toUtf8();
  details.attributes = entryAttributes(name.constData(), status);
  return details;
}

QString wastedClusterSpace(qint64 size, qint64 clusterSize) {
  if (clusterSize <= 0) return QStringLiteral("Cluster size: unknown");
  const qint64 clusters = size / clusterSize + (size % clusterSize ? 1 : 0);
  return QStringLiteral("Cluster size: ") + formatThousands(clusterSize) + QStringLiteral("  Clusters used : ") +
         formatThousands(clusters);
}

QString dateRowText(DosStamp stamp, const QDateTime& now) {
  const QString date = stampDateText(stamp);
  if (date.isEmpty()) return QStringLiteral("???");
  return date + QStringLiteral("  ") + relativeDateBetween(now, unpackDosStamp(stamp));
}

QString attributesText(quint8 attributes) {
  static const struct {
    quint8 bit;
    const char* text;
  } kNames[] = {{ReadOnlyAttribute, " ReadOnly"},   {HiddenAttribute, " Hidden"},
                {SystemAttribute, " System"},       {VolumeLabelAttribute, " VolumeID"},
                {DirectoryAttribute, " Directory"}, {ArchiveAttribute, " Archive"}};
  QString text;
  for (const auto& name : kNames) {
    if (attributes & name.bit) text += QLatin1String(name.text);
  }
  return text;
}

DetailsTexts detailsTexts(const FileDetails& details, const QDateTime& now) {
  return {details.path,
          details.type,
          formatThousands(details.size) + QStringLiteral(" bytes"),
          wastedClusterSpace(details.size, details.clusterSize),
          dateRowText(details.creation, now),
          dateRowText(details.modification, now),
          dateRowText(details.access, now),
          attributesText(details.attributes)};
}

QStringList detailsReportLines(const DetailsTexts& texts, const QStringList& versionLines) {
  const QString tab = QStringLiteral("\t");
  QStringList lines{QStringLiteral("Name of file : ") + tab + texts.name,
                    QStringLiteral("Type of file : ") + tab + texts.type,
                    kBlankLine,
                    QStringLiteral("Size of file : ") + tab + texts.bytes,
                    QString(kClusterLineIndent, u' ') + tab + texts.clusters,
                    kBlankLine,
                    QStringLiteral("Creation date     : ") + tab + texts.created,
                    QStringLiteral("Modification date : ") + tab + texts.modified,
                    QStringLiteral("Access date       : ") + tab + texts.accessed,
                    kBlankLine,
                    QStringLiteral("Attributes : ") + tab + texts.attributes,
                    kBlankLine};
  return lines + versionLines;
}

QString detailsReportTitle(const QString& path) { return QStringLiteral("File details of ") + path; }

QList<QPair<QString, QString>> detailsFields(const DetailsTexts& texts, const QList<VersionItem>& version) {
  QList<QPair<QString, QString>> fields{
      {QStringLiteral("Name of file"), texts.name},       {QStringLiteral("Type of file"), texts.type},
      {QStringLiteral("Size"), texts.bytes},               {QStringLiteral("Clusters"), texts.clusters},
      {QStringLiteral("Creation date"), texts.created},    {QStringLiteral("Modification date"), texts.modified},
      {QStringLiteral("Access date"), texts.accessed},     {QStringLiteral("Attributes"), texts.attributes.trimmed()},
  };
  for (const VersionItem& item : version) fields.append({item.label.trimmed().chopped(1), item.value});
  return fields;
}

}  // namespace tessaly
