#pragma once

#include <QStringList>

class QWidget;

// Alt+letter for every control of a dialog, in every language: each button,
// check box, radio button and group box title without a marked letter gets
// the first letter or digit of its text (a word's first preferred) that no
// other control of the dialog has taken; push buttons choose first, group
// boxes last, and a control whose letters are all taken goes without. A group
// box's letter moves the focus into the group.
void AssignMnemonics(QWidget* dialog);
// Does so for every dialog of the application as it first shows (message
// boxes keep Qt's own letters).
void AssignMnemonicsToDialogs();
// The texts of one menu's items with a letter each, chosen the same way; a
// text must already show an ampersand of its own as "&&".
QStringList WithLetters(const QStringList& texts);
