#pragma once

#include <QStringList>

class QDialog;
class QWidget;

namespace tessaly::testkit {

// What a person who only uses the keyboard meets in one shown window.
struct KeyboardReport {
  QStringList unreachable;        // controls that Tab never reaches
  QStringList clashingMnemonics;  // "&S: Start, Select" for each letter used twice
  QStringList withoutMnemonic;    // captioned controls with no mnemonic (OK, Cancel and Close aside)
};

// Presses Tab around the window (which must be shown) and reads every caption.
KeyboardReport keyboardReport(QWidget* window);
// Expects the report to be empty, naming what is wrong.
void expectKeyboardComplete(QWidget* window);
// Expects Escape to close the shown dialog.
void expectEscapeCloses(QDialog* dialog);

// Every text the window shows: its title, labels, captions, hints, tab and menu texts, list
// and combo items and grid headings.
QStringList windowTexts(QWidget* window);
// The texts that name a Windows-only thing (the registry, Windows or DOS, a recycle bin, a
// drive letter, a network share's \\server); empty when the window speaks the host's words.
QStringList windowsOnlyWords(const QStringList& texts);

}  // namespace tessaly::testkit
