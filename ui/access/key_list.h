#pragma once

#include <QString>

#include <vector>

// The keys of the game, as the About box lists them: the key's name (as Qt
// writes a menu shortcut, "Ctrl+Z", or words for the others) and what it
// does, both in the game's language before translation (context "TKeyList").
struct TGameKey {
    const char* key;
    const char* what;
};
const std::vector<TGameKey>& GameKeys();

// The list as a two-column rich-text table, translated.
QString GameKeysHtml();
