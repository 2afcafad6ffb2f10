#include "core/stats/chart_data.h"

#include <QLocale>

namespace tessaly {

Rgb chartColour(int number) { return kChartPalette[size_t(qBound(1, number, int(kChartPalette.size())) - 1)]; }

QString formatMark(double value, int maxDecimals, const QString& suffix) {
  const QLocale locale;
  QString text = locale.toString(value, 'f', maxDecimals);
  if (maxDecimals > 0) {
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(locale.decimalPoint())) text.chop(locale.decimalPoint().size());
  }
  if (text == locale.negativeSign() + u'0') text = QStringLiteral("0");
  return text + suffix;
}

}  // namespace tessaly
