#pragma once

#include <QStringList>

class QWidget;

namespace tessaly::testkit {

// Every text a window shows its user: its title, and of each widget in it the caption, hint,
// heading, tab, item, menu and document texts. Lists give their first rows only.
QStringList windowTexts(const QWidget& window);

// What is wrong with a text for a user of this host: it names the registry, Windows, DOS, the
// recycle bin or a drive letter, or breaks its lines with a carriage return. Empty when the
// text is fine.
QString hostWordProblem(const QString& text);

}  // namespace tessaly::testkit
