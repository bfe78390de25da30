#pragma once

#include <QString>

class QFont;
class QLabel;

// A text in `width` pixels of `font`: whole when it fits, else cut at its
// end, where "…" shows that something is missing.
QString FittedText(const QString& text, const QFont& font, int width);

// Shows `text` on a plain-text label within `width` pixels of its font; a text
// that had to be cut is whole in the label's tooltip, and a whole one has none.
void ShowFitted(QLabel* label, const QString& text, int width);
// The same within the room the label's own size leaves its text; a cut text
// is whole in the label's accessible name too. (The seats' labels get theirs,
// with whose turn it is, where the window names the seats.)
void ShowFitted(QLabel* label, const QString& text);
