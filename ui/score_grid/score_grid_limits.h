#pragma once

#include <QChar>

// What the score table and its file agree on, apart from the widget.

enum TCaption2Placement { cpTop, cpBottom };

constexpr int GridMaxRows = 10000;
constexpr int GridMaxCols = 256;

// A digit would split the numbers it stands between; a blank or line break
// would not survive the line structure of the file.
inline bool ValidGridDelimiter(QChar d)
{
    return d.isPrint() && !d.isDigit() && !d.isSpace() && !d.isSurrogate();
}
