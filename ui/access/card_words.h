#pragma once

#include <QString>

#include <vector>

class TZuSingleCard;

// Cards and moves in words, for a screen reader: "kralj pik", "5 karo".
namespace CardWords {

QString Card(int id);
// What a card on the table or in a hand reads as: face-down cards say only
// that they are cards, and a marked card says so.
QString CardOnScreen(const TZuSingleCard& card);
// "5 karo i 8 herc"; "5 karo, 8 herc i as tref".
QString List(const std::vector<int>& ids);
// A seat's move as one sentence: a capture names what it took and with which
// card, a lay-down the card it put on the table.
QString Move(const QString& seatName, int playedId, const std::vector<int>& takenIds);

} // namespace CardWords
