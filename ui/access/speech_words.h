#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The game's spoken sentences that are not a single card or move
// (CardWords has those), in the game's language.
namespace SpeechWords {

QString Turn(const QString& seatName);
QString NobodyOnTurn();
// A card marked or unmarked by the player, with the marks' sum text after it
// ("Zbir: 7"), or that nothing is marked any more.
QString Mark(int cardId, bool marked, const QString& sumText);
QString MarksCleared();
QString NoMarks();
// The keys' ring at a row's end, or with no row further that way.
QString RowEdge(bool last);
QString NoRow(bool up);
// A card under the keys' ring: its words and its place, "5 karo, 2 od 6".
QString Focused(const QString& cardText, int place, int count);
// A new deal, with the status bar's count of the deck's cards.
QString Deal(const QString& cardsLeft);
QString MatchEnd(const QStringList& totals);
// The hint: the hand card to play and what it takes.
QString Hint(int playedId, const std::vector<int>& takenIds);
// The reading keys' answers. Each list holds the cards' words in order.
QString Table(const QStringList& upper, const QStringList& lower);
QString Hand(const QStringList& cards);
QString LastMoves(const QStringList& moves);
QString Scores(const QStringList& totals);

} // namespace SpeechWords
