#include "app/cli/cli_command.h"
#include "app/cli/search_options.h"
#include "core/common/file_types.h"
#include "core/common/text_routines.h"
#include "core/stats/cluster_overhang.h"
#include "core/stats/statistics_labels.h"
#include "core/stats/statistics_run.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("stats [--include P,P...|--exclude P,P...] PATH...");

// "doc", ".doc" and "*.doc" all name the picker's entry "*.doc" + tab + description.
QStringList typeEntries(const QString& patterns) {
  QStringList entries;
  for (QString pattern : patterns.split(u',', Qt::SkipEmptyParts)) {
    pattern = pattern.trimmed();
    if (pattern.startsWith(u'*')) pattern.remove(0, 1);
    if (!pattern.startsWith(u'.')) pattern.prepend(u'.');
    entries.append(u'*' + pattern + u'\t' + fileTypeDescription(pattern));
  }
  return entries;
}

QString row(const QStringList& cells) { return cells.join(u'\t') + u'\n'; }
QString number(qint64 value) { return formatThousands(value); }

QString section(const QString& title, const QStringList& headings) { return u'[' + title + QStringLiteral("]\n") + row(headings); }

QString ageSection(const QString& title, const std::array<qint64, kAgeClassCount>& count,
                   const std::array<qint64, kAgeClassCount>& bytes) {
  QString text = section(title, {title, QStringLiteral("Total file size"), QStringLiteral("Number of files")});
  for (int ageClass = kAgeClassCount - 1; ageClass >= 0; --ageClass)
    text += row({ageClassLabel(ageClass), number(bytes[size_t(ageClass)]), number(count[size_t(ageClass)])});
  return text;
}

QString report(const StatisticsRun& run) {
  const StatisticsRecord& record = run.record();
  QString text = section(QStringLiteral("Summary"), {QStringLiteral("Item"), QStringLiteral("Value")});
  text += row({QStringLiteral("Files processed"), number(record.filesProcessed)});
  text += row({QStringLiteral("Files selected"), number(record.filesSelected)});
  text += row({QStringLiteral("Status"), run.statusText()});

  text += section(QStringLiteral("Types"),
                  {QStringLiteral("Extension"), QStringLiteral("Type"), QStringLiteral("Size"), QStringLiteral("# Files")});
  for (const TypeLine& line : record.types.lines())
    text += row({line.extension, fileTypeDescription(line.extension.isEmpty() ? QStringLiteral("*.") : line.extension),
                 number(line.bytes), number(line.count)});

  text += section(QStringLiteral("Sizes"),
                  {QStringLiteral("File size"), QStringLiteral("Total file size"), QStringLiteral("Number of files")});
  for (int sizeClass = kSizeClassCount; sizeClass >= 1; --sizeClass)
    text += row({sizeClassLabel(sizeClass), number(record.sizeBytes[size_t(sizeClass)]),
                 number(record.sizeCount[size_t(sizeClass)])});

  text += ageSection(QStringLiteral("Accessed Date"), record.ageAccessedCount, record.ageAccessedBytes);
  text += ageSection(QStringLiteral("Created Date"), record.ageCreatedCount, record.ageCreatedBytes);
  text += ageSection(QStringLiteral("Modified Date"), record.ageModifiedCount, record.ageModifiedBytes);

  text += section(QStringLiteral("Attributes"), {QStringLiteral("Attribute"), QStringLiteral("# Files"), QStringLiteral("File Sizes")});
  text += row({QStringLiteral("Hidden"), number(record.hiddenCount), number(record.hiddenBytes)});
  text += row({QStringLiteral("Read-only"), number(record.readOnlyCount), number(record.readOnlyBytes)});
  text += row({QStringLiteral("System"), number(record.systemCount), number(record.systemBytes)});
  text += row({QStringLiteral("Archive"), number(record.archiveCount), number(record.archiveBytes)});

  text += section(QStringLiteral("Time"),
                  {QStringLiteral("Time"), QStringLiteral("Modified"), QStringLiteral("Created"), QStringLiteral("Accessed")});
  for (int slot = 0; slot < kHalfHourSlots; ++slot)
    text += row({QStringLiteral("%1:%2").arg(slot / 2, 2, 10, QLatin1Char('0')).arg(slot % 2 ? 30 : 0, 2, 10, QLatin1Char('0')),
                 number(record.hourModified[size_t(slot)]), number(record.hourCreated[size_t(slot)]),
                 number(record.hourAccessed[size_t(slot)])});

  if (run.overhangEnabled()) {
    text += section(QStringLiteral("Overhang"), {QStringLiteral("Cluster size"), QStringLiteral("Wasted space")});
    for (qint64 clusterSize : kClusterSizes)
      text += row({QString::number(clusterSize / 1024) + u'K', number(*wasteFor(record, clusterSize))});
    text += row({QStringLiteral("Actual cluster size"), number(run.clusterSize())});
  }
  return text;
}

const QString kIncludeOption = QStringLiteral("include");
const QString kExcludeOption = QStringLiteral("exclude");

void declareOptions(QCommandLineParser& parser) {
  parser.addOption(valueOption(kIncludeOption, QStringLiteral("P,P..."), QStringLiteral("Only these file types.")));
  parser.addOption(valueOption(kExcludeOption, QStringLiteral("P,P..."), QStringLiteral("Every type but these.")));
}

int runStats(const QCommandLineParser& parser) {
  if (parser.isSet(kIncludeOption) && parser.isSet(kExcludeOption))
    return failUsage(QStringLiteral("Give --include or --exclude once."), kUsage);
  TypeChoice choice = TypeChoice::All;
  QStringList pickList2;
  for (const QString& option : {kIncludeOption, kExcludeOption}) {
    if (!parser.isSet(option)) continue;
    choice = option == kIncludeOption ? TypeChoice::Include : TypeChoice::Exclude;
    pickList2 = typeEntries(parser.value(option));
  }
  const QStringList paths = parser.positionalArguments();
  if (paths.isEmpty()) return failUsage(QStringLiteral("No folder given."), kUsage);
  const std::optional<QList<WalkRoot>> roots = folderRoots(paths);
  if (!roots) return 2;

  StatisticsRun run(*roots, TypeFilter(choice, pickList2));
  if (run.computePickListTotal() <= 0) return fail(kNoCapacity);
  MessagesToStderr messages;
  run.run();
  if (messages.failed()) return 1;
  printOut(report(run));
  return 0;
}

const bool registered = registerCommand(
    {QStringLiteral("stats"), kUsage,
     QStringLiteral("File statistics of the folders: types, sizes, the three dates, attributes, times of day and, "
                    "for one folder, cluster overhang, as labelled tab-separated sections."),
     declareOptions, runStats});

}  // namespace
}  // namespace tessaly::cli
