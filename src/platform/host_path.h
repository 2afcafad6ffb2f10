#pragma once

#include <QByteArray>
#include <QString>

namespace tessaly::platform {

// A file name on this host is a string of bytes, most often UTF-8 but not always (Latin-1
// names from old disks and USB sticks). The program keeps every path in a QString without
// losing a byte: valid UTF-8 decodes as usual, and each byte that is not part of valid UTF-8
// becomes the lone surrogate U+DC00 + byte (U+DC80 to U+DCFF), which no decoded text holds.
// So "caf\xE9" and "caf\uFFFD" stay two names, and encodePath gives back the very bytes.
// Every call that hands a path to the host goes through encodePath.

QString decodePath(const char* bytes, qsizetype length);
QString decodePath(const QByteArray& bytes);
// The same, into existing storage: a walk decodes one name per entry.
void decodePathInto(const char* bytes, qsizetype length, QString* into);

// The host's bytes of a path. A lone surrogate that no decoding made (typed text) becomes the
// UTF-8 replacement mark.
QByteArray encodePath(const QString& path);

// True when the path holds bytes that are not UTF-8.
bool hasRawBytes(const QString& path);

// The text shown to the user: each byte that is not UTF-8 as a "\xE9" escape, everything
// else as it is. Never handed back to the host.
QString displayPath(const QString& path);

// The host's words for an error number ("No space left on device").
QString systemErrorText(int errorNumber);
// The error number says the disk or the user's quota is full.
bool isOutOfSpace(int errorNumber);

}  // namespace tessaly::platform
