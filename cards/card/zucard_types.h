#pragma once

// Suits in the order of the enumeration; the ID blocks run clubs, diamonds,
// spades, hearts, which is a different order.
enum TZuCardSuitType { stClub, stDiamond, stHeart, stSpade, stJoker };

// One card-back picture each.
enum TZuCardBackType {
    cbDefault,
    cbLabyrinth,
    cbIvyBlack,
    cbIvyBlue,
    cbFishCyan,
    cbFishBlue,
    cbHawai,
    cbIceCream,
    cbRobot,
    cbTricky,
    cbFlower,
    cbCastle,
    cbX,
    cbO,
    cbDots
};

// Card identity limits: 2..53 the ordinary cards, 54 red joker, 55 blue joker.
constexpr int ZuMinCardID = 2;
constexpr int ZuMaxCardID = 55;
constexpr int ZuRedJokerID = 54;
constexpr int ZuBlueJokerID = 55;

constexpr int ZuCardWidth = 71;
constexpr int ZuCardHeight = 96;
