#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace tessaly {

// What an entry keeps of its file besides the data: the Unix mode in the upper half of the
// external attributes, and the exact modification time in the "UT" extended timestamp field
// (the DOS time of the header is local time in two-second steps).
inline constexpr quint16 kExtendedTimestampField = 0x5455;
inline constexpr quint32 kRegularFileType = 0100000;
inline constexpr quint32 kFileTypeMask = 0170000;
inline constexpr quint32 kLinkType = 0120000;

inline quint32 externalAttributesOf(quint32 permissions) { return (kRegularFileType | permissions) << 16; }
inline quint32 modeOfExternalAttributes(quint32 attributes) { return attributes >> 16; }

// The field's data: a flag byte saying "modification time" and the time as 32-bit little
// endian seconds. Empty for a time the field cannot hold.
QByteArray extendedTimestamp(qint64 modifiedSeconds);
// The modification time of such a field, when it has one.
std::optional<qint64> modifiedTimeOf(const quint8* data, quint16 length);

}  // namespace tessaly
