#pragma once

#include "game/rules/rules_namespace.h"

#include "cards/ids/card_ids.h"

namespace zaviko::rules {

// What a card ID (2..53: clubs 2..14, diamonds 15..27, spades 28..40, hearts
// 41..53, each running two to ace) means to the match. Plain constexpr code,
// so the rules and the computer's choice read cards without card objects.

// The card's value 2..14 (jack 11, queen 12, king 13, ace 14); 0 outside 2..53.
constexpr int CardValue(int id)
{
    return IsSuitCardId(id) ? ValueOfId(id) : 0;
}

// The points a taken card is worth: tens, court cards and aces 1 each except
// the ten of diamonds (2) and the low diamonds, hearts and spades; the two of
// clubs 1. One deck holds 22 points.
constexpr int CardPoints(int id)
{
    if (id == 2) return 1; // two of clubs
    if (id == 23) return 2; // ten of diamonds
    if (id >= 10 && id <= 14) return 1; // clubs ten to ace
    if (id >= 24 && id <= 27) return 1; // diamonds jack to ace
    if (id >= 36 && id <= 40) return 1; // spades ten to ace
    if (id >= 49 && id <= 53) return 1; // hearts ten to ace
    return 0;
}

} // namespace zaviko::rules
