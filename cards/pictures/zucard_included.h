#pragma once

#include <cstdint>
#include <vector>

// How many copies of each value of one suit a deck holds (0 leaves a card out).
class TZuSuit {
public:
    explicit TZuSuit(int suitBase = 0)
        : FSuitBase(suitBase)
    {
    }

    int SuitBase() const { return FSuitBase; }
    void SetSuitBase(int base) { FSuitBase = base; }

    // Value 2..14 (2 is Two ... 14 is Ace); other values read 0 and write nothing.
    std::uint8_t Count(int value) const;
    void SetCount(int value, std::uint8_t count);
    void SetAll(std::uint8_t count);
    int Total() const;

    std::uint8_t Two() const { return Count(2); }
    void SetTwo(std::uint8_t c) { SetCount(2, c); }
    std::uint8_t Three() const { return Count(3); }
    void SetThree(std::uint8_t c) { SetCount(3, c); }
    std::uint8_t Four() const { return Count(4); }
    void SetFour(std::uint8_t c) { SetCount(4, c); }
    std::uint8_t Five() const { return Count(5); }
    void SetFive(std::uint8_t c) { SetCount(5, c); }
    std::uint8_t Six() const { return Count(6); }
    void SetSix(std::uint8_t c) { SetCount(6, c); }
    std::uint8_t Seven() const { return Count(7); }
    void SetSeven(std::uint8_t c) { SetCount(7, c); }
    std::uint8_t Eight() const { return Count(8); }
    void SetEight(std::uint8_t c) { SetCount(8, c); }
    std::uint8_t Nine() const { return Count(9); }
    void SetNine(std::uint8_t c) { SetCount(9, c); }
    std::uint8_t Ten() const { return Count(10); }
    void SetTen(std::uint8_t c) { SetCount(10, c); }
    std::uint8_t Jack() const { return Count(11); }
    void SetJack(std::uint8_t c) { SetCount(11, c); }
    std::uint8_t Queen() const { return Count(12); }
    void SetQueen(std::uint8_t c) { SetCount(12, c); }
    std::uint8_t King() const { return Count(13); }
    void SetKing(std::uint8_t c) { SetCount(13, c); }
    std::uint8_t Ace() const { return Count(14); }
    void SetAce(std::uint8_t c) { SetCount(14, c); }

private:
    std::uint8_t FCounts[13] = { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 };
    int FSuitBase;
};

// How many red (ID 54) and blue (ID 55) jokers a deck holds.
class TZuJoker {
public:
    std::uint8_t RedJoker() const { return FRedJoker; }
    void SetRedJoker(std::uint8_t c) { FRedJoker = c; }
    std::uint8_t BlueJoker() const { return FBlueJoker; }
    void SetBlueJoker(std::uint8_t c) { FBlueJoker = c; }

private:
    std::uint8_t FRedJoker = 0;
    std::uint8_t FBlueJoker = 0;
};

// Which cards a deck is made of. Suits are numbered 1 Clubs, 2 Diamonds,
// 3 Spades, 4 Hearts: the order of the ID blocks.
class TZuIncludedCards {
public:
    TZuSuit& Clubs() { return FSuits[0]; }
    TZuSuit& Diamonds() { return FSuits[1]; }
    TZuSuit& Spades() { return FSuits[2]; }
    TZuSuit& Hearts() { return FSuits[3]; }
    TZuJoker& Jokers() { return FJokers; }
    const TZuSuit& SuitNumber(int number) const { return FSuits[number - 1]; }
    TZuSuit& SuitNumber(int number) { return FSuits[number - 1]; }
    const TZuJoker& Jokers() const { return FJokers; }

    int Count() const;
    // IDs in deck order: suits by number, values 2..14 with copies side by
    // side, then the red jokers, then the blue ones.
    void FillList(std::vector<int>& list) const;
    void CopyFrom(const TZuIncludedCards& source);

private:
    TZuSuit FSuits[4] { TZuSuit(0), TZuSuit(13), TZuSuit(26), TZuSuit(39) };
    TZuJoker FJokers;
};
