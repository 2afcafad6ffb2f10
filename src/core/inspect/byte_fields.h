#pragma once

#include <QByteArrayView>
#include <optional>

namespace tessaly {

// Little-endian fields read from untrusted bytes: nothing when the field does not fit.
inline std::optional<quint16> u16At(QByteArrayView bytes, qint64 offset) {
  if (offset < 0 || offset + 2 > bytes.size()) return std::nullopt;
  return quint16(quint8(bytes[qsizetype(offset)]) | quint8(bytes[qsizetype(offset) + 1]) << 8);
}

inline std::optional<quint32> u32At(QByteArrayView bytes, qint64 offset) {
  const auto low = u16At(bytes, offset);
  const auto high = u16At(bytes, offset + 2);
  if (!low || !high) return std::nullopt;
  return quint32(*low) | quint32(*high) << 16;
}

}  // namespace tessaly
