#include "core/search/stamp_texts.h"

#include <QDate>
#include <QTime>

#include "core/common/date_texts.h"

namespace tessaly {
namespace {

constexpr quint32 kFirstDay1980 = (1u << 5) | 1u;  // the date half of 1 January 1980
constexpr quint32 kNoon = 12u << 11;               // the time half of 12:00:00
constexpr size_t kKeyRange = 0x10002;

bool unpacks(DosStamp stamp) {
  return QDate::isValid(int(stamp >> 25) + 1980, int((stamp >> 21) & 0xF), int((stamp >> 16) & 0x1F)) &&
         QTime::isValid(int((stamp >> 11) & 0x1F), int((stamp >> 5) & 0x3F), int(stamp & 0x1F) * 2);
}

QString dateTextOf(DosStamp stamp) { return unpacks(stamp) ? shortDateText(stampDate(stamp)) : stampDateText(stamp); }
QString timeTextOf(DosStamp stamp) { return unpacks(stamp) ? longTimeText(stampTime(stamp)) : stampTimeText(stamp); }

const QString& cached(std::vector<QString>& texts, std::vector<bool>& have, quint32 key, DosStamp stamp,
                      QString (*make)(DosStamp)) {
  if (texts.empty()) {
    texts.resize(kKeyRange);
    have.resize(kKeyRange);
  }
  if (!have[key]) {
    texts[key] = make(stamp);
    have[key] = true;
  }
  return texts[key];
}

}  // namespace

QDate stampDate(DosStamp stamp) {
  if (!unpacks(stamp)) return {};
  return QDate(int(stamp >> 25) + 1980, int((stamp >> 21) & 0xF), int((stamp >> 16) & 0x1F));
}

QTime stampTime(DosStamp stamp) {
  if (!unpacks(stamp)) return {};
  return QTime(int((stamp >> 11) & 0x1F), int((stamp >> 5) & 0x3F), int(stamp & 0x1F) * 2);
}

quint32 dateKey(DosStamp stamp) {
  if (stamp == 0) return 0;
  return unpacks(stamp) ? stamp >> 16 : kFirstDay1980;
}

quint32 timeKey(DosStamp stamp) {
  if (stamp == 0) return 0;
  return (unpacks(stamp) ? stamp & 0xFFFF : kNoon) + 1;
}

const QString& StampTexts::dateText(DosStamp stamp) {
  return cached(dates_, haveDate_, dateKey(stamp), stamp, dateTextOf);
}

const QString& StampTexts::timeText(DosStamp stamp) {
  return cached(times_, haveTime_, timeKey(stamp), stamp, timeTextOf);
}

}  // namespace tessaly
