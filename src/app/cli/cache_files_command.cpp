#include <QDate>

#include "app/cli/cli_command.h"
#include "core/clean/cache_files.h"
#include "platform/host_files.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("cache-files [--days N] FOLDER...");
const QString kDaysOption = QStringLiteral("days");

void declareOptions(QCommandLineParser& parser) {
  parser.addOption(valueOption(kDaysOption, QStringLiteral("N"),
                               QStringLiteral("Only files not accessed for N days or more (0 to 100; 0, every file, "
                                              "by default).")));
}

int runCacheFiles(const QCommandLineParser& parser) {
  int days = 0;
  if (parser.isSet(kDaysOption)) {
    bool number = false;
    days = parser.value(kDaysOption).toInt(&number);
    if (!number || days < 0 || days > kMostCacheAgeDays)
      return failUsage(QStringLiteral("The days must be a whole number from 0 to %1.").arg(kMostCacheAgeDays), kUsage);
  }
  QStringList folders;
  for (const QString& argument : parser.positionalArguments()) folders.append(platform::absolutePath(argument));
  if (folders.isEmpty()) return failUsage(QStringLiteral("No folder given."), kUsage);

  MessagesToStderr messages;
  const CacheCollection collection = collectCacheFolders(folders, days, QDate::currentDate());
  if (collection.files.empty()) {
    showError(QStringLiteral("No files found to clear"));
    return 1;
  }
  QString lines = QStringLiteral("Size\tAccess\tFileName\n");
  for (const CacheFile& file : collection.files)
    lines += QString::number(file.size) + u'\t' + stampDateText(file.accessStamp) + u'\t' + file.path + u'\n';
  printOut(lines);
  return 0;
}

const bool registered = registerCommand({QStringLiteral("cache-files"), kUsage,
                                         QStringLiteral("The files \"Clear internet cache\" would collect from the "
                                                        "cache FOLDERs (their own files, hidden ones too, not those "
                                                        "of sub-folders), as tab-separated lines of size in bytes, "
                                                        "last access date and path."),
                                         declareOptions, runCacheFiles});

}  // namespace
}  // namespace tessaly::cli
