#pragma once

#include <QFileDevice>

namespace tessaly {

// Qt keeps owner, group and other in separate hex digits; archives keep the octal mode.
inline quint32 unixModeOf(QFileDevice::Permissions p) {
  const quint32 bits = quint32(p.toInt());
  return ((bits >> 12) & 07) << 6 | ((bits >> 4) & 07) << 3 | (bits & 07);
}

inline QFileDevice::Permissions permissionsOf(quint32 mode) {
  const quint32 owner = (mode >> 6) & 07, group = (mode >> 3) & 07, other = mode & 07;
  return QFileDevice::Permissions::fromInt(int(owner << 12 | owner << 8 | group << 4 | other));
}

}  // namespace tessaly
