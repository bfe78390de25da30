#pragma once

#include "game/review/move_review.h"

#include <QString>

// The review of the human's moves in the player's words: the end-of-hand
// lines, the marks of "Tok igre" and what a screen reader reads of them.
namespace ReviewWords {

// A move of the position as the last-move marks show it ("10♦ nosi 5♣"),
// and as a screen reader reads it.
QString MoveHtml(const TMatchState& before, const TMove& move);
QString MoveSpoken(const TMatchState& before, const TMove& move);

// The hand's moves are judged from what the player could know.
bool HandJudged(const THandReview& hand);
// "Preciznost: N%".
QString AccuracyLine(const THandReview& hand);
// "Najveca greska: ..." naming the costliest move, its cost and the better
// move; spoken, the cards in words.
QString CostliestLine(const THandReview& hand, bool spoken);
// What the end-of-hand dialog says while the hand is still being judged.
QString JudgingLine();

// The mark of a move: a sign, and the words for the tooltip and a screen
// reader (the mark, its cost and the better move).
QString MarkSign(MoveMark mark);
QString MarkWords(const TReviewedMove& move, bool spoken);

} // namespace ReviewWords
