#include "cards/pictures/zucard_included.h"
#include "cards/card/zucard_types.h"

#include <algorithm>
#include <numeric>

std::uint8_t TZuSuit::Count(int value) const
{
    return value >= 2 && value <= 14 ? FCounts[value - 2] : 0;
}

void TZuSuit::SetCount(int value, std::uint8_t count)
{
    if (value >= 2 && value <= 14) FCounts[value - 2] = count;
}

void TZuSuit::SetAll(std::uint8_t count)
{
    std::fill(std::begin(FCounts), std::end(FCounts), count);
}

int TZuSuit::Total() const
{
    return std::accumulate(std::begin(FCounts), std::end(FCounts), 0);
}

int TZuIncludedCards::Count() const
{
    int total = FJokers.RedJoker() + FJokers.BlueJoker();
    for (const TZuSuit& suit : FSuits)
        total += suit.Total();
    return total;
}

void TZuIncludedCards::FillList(std::vector<int>& list) const
{
    list.clear();
    list.reserve(Count());
    for (const TZuSuit& suit : FSuits)
        for (int value = 2; value <= 14; ++value)
            list.insert(list.end(), suit.Count(value), value + suit.SuitBase());
    list.insert(list.end(), FJokers.RedJoker(), ZuRedJokerID);
    list.insert(list.end(), FJokers.BlueJoker(), ZuBlueJokerID);
}

void TZuIncludedCards::CopyFrom(const TZuIncludedCards& source)
{
    for (int number = 1; number <= 4; ++number)
        for (int value = 2; value <= 14; ++value)
            SuitNumber(number).SetCount(value, source.SuitNumber(number).Count(value));
    FJokers = source.FJokers;
}
