#include "core/grid/stamp_texts.h"

namespace tessaly {
namespace {

constexpr quint32 kFirstDay1980 = (1u << 5) | 1u;  // the date half of 1 January 1980
constexpr quint32 kNoon = 12u << 11;               // the time half of 12:00:00
constexpr quint32 kHalfCount = 0x10000;
constexpr quint32 kHalfMask = 0xFFFF;
constexpr int kHalfBits = 16;

// Whether each date half and each time half unpacks, worked out once: a grid sorts a million
// stamps by these keys, and checking a date through the calendar each time costs.
struct HalvesThatUnpack {
  std::vector<bool> dates = std::vector<bool>(kHalfCount);
  std::vector<bool> times = std::vector<bool>(kHalfCount);
  HalvesThatUnpack() {
    for (quint32 half = 0; half < kHalfCount; ++half) {
      dates[half] = stampDate(half << kHalfBits).isValid();
      times[half] = stampTime(half).isValid();
    }
  }
};

bool unpacks(DosStamp stamp) {
  static const HalvesThatUnpack halves;
  return halves.dates[stamp >> kHalfBits] && halves.times[stamp & kHalfMask];
}

const QString& cached(std::vector<QString>& texts, std::vector<bool>& have, quint32 key, DosStamp stamp,
                      QString (*make)(DosStamp)) {
  if (texts.empty()) {
    texts.resize(kStampKeyCount);
    have.resize(kStampKeyCount);
  }
  if (!have[key]) {
    texts[key] = make(stamp);
    have[key] = true;
  }
  return texts[key];
}

}  // namespace

quint32 dateKey(DosStamp stamp) {
  if (stamp == 0) return 0;
  return unpacks(stamp) ? stamp >> kHalfBits : kFirstDay1980;
}

quint32 timeKey(DosStamp stamp) {
  if (stamp == 0) return 0;
  return (unpacks(stamp) ? stamp & kHalfMask : kNoon) + 1;
}

const QString& StampTexts::dateText(DosStamp stamp) {
  return cached(dates_, haveDate_, dateKey(stamp), stamp, stampDateText);
}

const QString& StampTexts::timeText(DosStamp stamp) {
  return cached(times_, haveTime_, timeKey(stamp), stamp, stampTimeText);
}

}  // namespace tessaly
