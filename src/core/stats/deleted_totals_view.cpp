#include "core/stats/deleted_totals_view.h"

#include "core/common/date_texts.h"
#include "core/common/text_routines.h"

namespace tessaly {
namespace {

const QString kNotAvailable = QStringLiteral("n/a");

RemovalGroupTexts groupTexts(qint64 files, qint64 bytes) {
  if (files <= 0) return {kNotAvailable, kNotAvailable};
  return {formatThousands(files) + QStringLiteral(" files"), formatThousandsFloat(double(bytes)) + QStringLiteral(" bytes")};
}

}  // namespace

QString sinceText(qint64 dayNumber) {
  if (dayNumber < 0) return {};
  return QStringLiteral("Since ") + safeDateText(QDateTime(dateOfDayNumber(dayNumber), QTime(0, 0)));
}

DeletedPageTexts deletedPageTexts(const RemovalTotals& totals) {
  return {sinceText(totals.deletionStartDay), sinceText(totals.archiveStartDay),
          groupTexts(totals.deletedFiles, totals.deletedBytes), groupTexts(totals.archivedFiles, totals.archivedBytes),
          groupTexts(totals.trashedFiles, totals.trashedBytes)};
}

}  // namespace tessaly
