#include "tests/support/reference_choice.h"

#include "cards/zucard.h"
#include "game/rules/card_points.h"
#include "game/controller/card_collection.h"

#include <algorithm>
#include <vector>

namespace {

int FirstCard(std::span<const TZuSingleCard* const> hand)
{
    for (std::size_t s = 0; s < hand.size(); ++s)
        if (hand[s] != nullptr) return static_cast<int>(s);
    return -1;
}

int LowestCard(std::span<const TZuSingleCard* const> hand)
{
    int slot = -1, lowest = 15;
    for (std::size_t s = 0; s < hand.size(); ++s)
        if (hand[s] != nullptr && hand[s]->Value() < lowest) {
            lowest = hand[s]->Value();
            slot = static_cast<int>(s);
        }
    return slot;
}

int Points(const TCardCollection& set, const TZuSingleCard& handCard)
{
    int points = CardPoints(handCard.ID());
    for (int i = 0; i < set.Count(); ++i)
        points += CardPoints(set.CardID(i));
    return points;
}

std::vector<int> Positions(const TTableCards& table, const TCardCollection& set)
{
    std::vector<const TZuSingleCard*> byPosition;
    for (int p = 1; p <= table.Count(); ++p)
        byPosition.push_back(&TableCardAt(table, p));
    std::vector<int> positions;
    for (int i = 0; i < set.Count(); ++i) {
        const auto at = std::find(byPosition.begin(), byPosition.end(), &set.Card(i));
        positions.push_back(static_cast<int>(at - byPosition.begin()));
    }
    return positions;
}

} // namespace

TComputerChoice ReferenceComputerChoice(
    const TTableCards& table, std::span<const TZuSingleCard* const> hand, int compPlays, int r)
{
    TComputerChoice choice;
    if (compPlays == csGlupo && r == 0) {
        choice.blind = true;
        choice.handSlot = FirstCard(hand);
        return choice;
    }
    TCardCollections list;
    const int count = getAllPossibleCollections(table, list);
    const TCardCollection* chosen = nullptr;
    int best = 0;
    for (std::size_t s = 0; s < hand.size() && !(compPlays == csProsecno && chosen); ++s) {
        if (hand[s] == nullptr) continue;
        for (int c = 0; c < count; ++c) {
            if (!list[c].CanTake(*hand[s])) continue;
            const int value = Points(list[c], *hand[s]);
            if (compPlays != csProsecno && value < best) continue;
            best = value;
            chosen = &list[c];
            choice.handSlot = static_cast<int>(s);
            if (compPlays == csProsecno) break;
        }
    }
    if (chosen != nullptr) {
        choice.capture = true;
        choice.tablePositions = Positions(table, *chosen);
    } else {
        choice.handSlot = compPlays == csGlupo ? FirstCard(hand) : LowestCard(hand);
    }
    return choice;
}
