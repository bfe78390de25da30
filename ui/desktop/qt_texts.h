#pragma once

#include <vector>

// Qt's own texts a player meets in the game's windows: the edit menus of the
// name fields, the spin boxes and the help page. Our translation files carry
// them for the languages Qt ships no translation of (Serbian).
struct TQtText {
    const char* context;
    const char* text;
};

const std::vector<TQtText>& QtTextsShown();
