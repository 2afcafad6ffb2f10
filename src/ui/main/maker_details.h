#pragma once

#include <QString>

namespace tessaly::maker {

// The maker's details shown on the main window and in the About window.
inline QString name() { return QStringLiteral("Quornel Corporation"); }
inline QString webAddress() { return QStringLiteral("www.quornel.example"); }
inline QString webPage() { return QStringLiteral("http://www.quornel.example/"); }
inline QString postalAddress() { return QStringLiteral("1207 Harbour Lane, Suite 4\nPortland, OR 97209"); }
inline QString voice() { return QStringLiteral("(503) 555-0142"); }
inline QString fax() { return QStringLiteral("(503) 555-0143"); }

}  // namespace tessaly::maker
