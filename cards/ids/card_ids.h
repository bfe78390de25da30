#pragma once

// Card IDs: 2..53 the suit cards in four blocks of thirteen, each running two
// to ace (clubs 2..14, diamonds 15..27, spades 28..40, hearts 41..53), then
// 54 the red joker and 55 the blue. Plain C++ on ints, so the card objects,
// the match rules on values, the tools and the tests read IDs the same way.

// The suit blocks in ID order.
enum class TIdSuit { Clubs = 0, Diamonds = 1, Spades = 2, Hearts = 3 };

inline constexpr int kCardsPerSuit = 13;
inline constexpr int kFirstCardId = 2;
inline constexpr int kLastSuitCardId = 53;
inline constexpr int kRedJokerId = 54;
inline constexpr int kBlueJokerId = 55;
inline constexpr int kJokerValue = 15;

// What a block adds to a card's value to make its ID: 0, 13, 26, 39.
constexpr int SuitBlockBase(TIdSuit suit)
{
    return kCardsPerSuit * static_cast<int>(suit);
}
inline constexpr int kDiamondsBase = SuitBlockBase(TIdSuit::Diamonds);
inline constexpr int kSpadesBase = SuitBlockBase(TIdSuit::Spades);
inline constexpr int kHeartsBase = SuitBlockBase(TIdSuit::Hearts);

// The ID of a suit card; value 2..14 (jack 11, queen 12, king 13, ace 14).
constexpr int CardId(TIdSuit suit, int value)
{
    return value + SuitBlockBase(suit);
}

constexpr bool IsSuitCardId(int id)
{
    return id >= kFirstCardId && id <= kLastSuitCardId;
}

// The block of a suit card's ID (2..53).
constexpr TIdSuit SuitOfId(int id)
{
    return static_cast<TIdSuit>((id - kFirstCardId) / kCardsPerSuit);
}

// 2..14 for a suit card, 15 for a joker, 0 for what is no card.
constexpr int ValueOfId(int id)
{
    if (IsSuitCardId(id)) return (id - kFirstCardId) % kCardsPerSuit + 2;
    return id == kRedJokerId || id == kBlueJokerId ? kJokerValue : 0;
}
