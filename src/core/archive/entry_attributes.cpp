#include "core/archive/entry_attributes.h"

#include <QtEndian>
#include <limits>

namespace tessaly {
namespace {

constexpr quint8 kModifiedTimeFlag = 0x01;
constexpr int kTimeBytes = 4;

}  // namespace

QByteArray extendedTimestamp(qint64 modifiedSeconds) {
  if (modifiedSeconds < std::numeric_limits<qint32>::min() || modifiedSeconds > std::numeric_limits<qint32>::max())
    return {};
  QByteArray field(1 + kTimeBytes, '\0');
  field[0] = char(kModifiedTimeFlag);
  qToLittleEndian(qint32(modifiedSeconds), field.data() + 1);
  return field;
}

std::optional<qint64> modifiedTimeOf(const quint8* data, quint16 length) {
  if (!data || length < 1 + kTimeBytes || !(data[0] & kModifiedTimeFlag)) return std::nullopt;
  return qFromLittleEndian<qint32>(data + 1);
}

}  // namespace tessaly
