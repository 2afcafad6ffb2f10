#include "app/cli/cli_command.h"
#include "app/cli/search_options.h"
#include "core/dates/files_by_date.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral(
    "files-accessed (--accessed | --created | --modified) (--on-or-before D | --on-or-after D | --between D1 D2) "
    "[--pattern P] PATH...");

const QString kAccessedOption = QStringLiteral("accessed");
const QString kCreatedOption = QStringLiteral("created");
const QString kModifiedOption = QStringLiteral("modified");
const QString kOnOrBeforeOption = QStringLiteral("on-or-before");
const QString kOnOrAfterOption = QStringLiteral("on-or-after");
const QString kBetweenOption = QStringLiteral("between");
const QString kPatternOption = QStringLiteral("pattern");

void declareOptions(QCommandLineParser& parser) {
  parser.addOption({kAccessedOption, QStringLiteral("By the date of last access.")});
  parser.addOption({kCreatedOption, QStringLiteral("By the date of creation.")});
  parser.addOption({kModifiedOption, QStringLiteral("By the date of last modification.")});
  parser.addOption(valueOption(kOnOrBeforeOption, QStringLiteral("D"), QStringLiteral("Dated D or earlier, or not dated.")));
  parser.addOption(valueOption(kOnOrAfterOption, QStringLiteral("D"), QStringLiteral("Dated D or later.")));
  // The last day of --between is the first argument after it: "--between D1 D2".
  parser.addOption(valueOption(kBetweenOption, QStringLiteral("D1"), QStringLiteral("Dated D1 to D2.")));
  parser.addOption(valueOption(kPatternOption, QStringLiteral("P"), QStringLiteral("The file pattern (\"*.*\").")));
}

// YYYY-MM-DD, else invalid.
QDate isoDate(const QString& text) { return QDate::fromString(text, QStringLiteral("yyyy-MM-dd")); }

// The option among the given ones that is set, when exactly one is.
std::optional<QString> theOneSet(const QCommandLineParser& parser, const QStringList& options) {
  std::optional<QString> set;
  for (const QString& option : options) {
    if (!parser.isSet(option)) continue;
    if (set) return std::nullopt;
    set = option;
  }
  return set;
}

int runFilesAccessed(const QCommandLineParser& parser) {
  const std::optional<QString> kind = theOneSet(parser, {kAccessedOption, kCreatedOption, kModifiedOption});
  if (!kind) return failUsage(QStringLiteral("Give one of --accessed, --created and --modified."), kUsage);
  const std::optional<QString> range = theOneSet(parser, {kOnOrBeforeOption, kOnOrAfterOption, kBetweenOption});
  if (!range) return failUsage(QStringLiteral("Give one of --on-or-before, --on-or-after and --between."), kUsage);

  DateQuery query;
  query.kind = *kind == kAccessedOption ? DateKind::Accessed
               : *kind == kCreatedOption ? DateKind::Created
                                         : DateKind::Modified;
  query.range = *range == kOnOrBeforeOption ? DateRange::OnOrBefore
                : *range == kOnOrAfterOption ? DateRange::OnOrAfter
                                             : DateRange::InBetween;
  QStringList paths = parser.positionalArguments();
  query.start = isoDate(parser.value(*range));
  if (query.range == DateRange::InBetween) {
    query.end = paths.isEmpty() ? QDate() : isoDate(paths.takeFirst());
    if (!query.start.isValid() || !query.end.isValid())
      return failUsage(QStringLiteral("--between needs two dates as YYYY-MM-DD."), kUsage);
    if (query.end < query.start)
      return failUsage(QStringLiteral("--between needs the earlier date first."), kUsage);
  } else if (!query.start.isValid()) {
    return failUsage(QStringLiteral("--") + *range + QStringLiteral(" needs a date as YYYY-MM-DD."), kUsage);
  }
  const QString pattern = parser.isSet(kPatternOption) ? parser.value(kPatternOption) : QStringLiteral("*.*");
  if (pattern.isEmpty()) return failUsage(QStringLiteral("--pattern needs a pattern."), kUsage);
  if (paths.isEmpty()) return failUsage(QStringLiteral("No folder given."), kUsage);
  const std::optional<QList<WalkRoot>> roots = folderRoots(paths);
  if (!roots) return 1;

  MessagesToStderr messages;
  FilesByDateSearch search(query, pattern);
  search.run(*roots);
  if (messages.failed()) return 1;
  printGrid(search.table(), false);
  return 0;
}

const bool registered = registerCommand(
    {QStringLiteral("files-accessed"), kUsage,
     QStringLiteral("The files whose date of last access, creation or last modification lies in the range, "
                    "as tab-separated lines in the order found. Dates are given as YYYY-MM-DD; a file "
                    "without the date counts as dated before any day."),
     declareOptions, runFilesAccessed});

}  // namespace
}  // namespace tessaly::cli
