#include "core/dups/report_title.h"

namespace tessaly {

QStringList sizeUnitTexts() { return {QStringLiteral("bytes"), QStringLiteral("KB")}; }

QString sizeUnitText(SizeUnit unit) { return sizeUnitTexts().at(int(unit)); }

QString duplicatesReportTitle(const ReportTitleSettings& settings) {
  const QString unit = sizeUnitText(settings.unit);
  const QString first = QString::number(settings.first);
  QString title = settings.findDups ? QStringLiteral("Duplicates ") : QStringLiteral("File Hogs ");
  switch (settings.condition) {
    case SizeCondition::LargerOrEqual: title += QStringLiteral("larger or equal to ") + first; break;
    case SizeCondition::SmallerOrEqual: title += QStringLiteral("smaller or equal to ") + first; break;
    case SizeCondition::Between:
      title += QStringLiteral("in between ") + first + u' ' + unit + QStringLiteral(" and ") +
               QString::number(settings.second);
      break;
  }
  title += u' ' + unit + QStringLiteral(" matching ") + settings.pattern + QStringLiteral(" on drive(s) ");
  for (const QString& entry : settings.tickedEntries) title += entry + u' ';
  return title;
}

}  // namespace tessaly
