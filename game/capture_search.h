#pragma once

#include <span>

// The capture rule on plain card values (2..10, jack 11, queen 12, king 13,
// ace 14, joker 15), so that the rule can be decided without any card object.

inline constexpr int kAceValue = 14;
inline constexpr int kJokerValue = 15;
inline constexpr int kAceAsOne = 1;
inline constexpr int kAceAsEleven = 11;

// The most cards one capture set can hold.
inline constexpr int kMaxCaptureCards = 21;

// A card's worth when table cards are added up: court cards count one more than
// their value; an ace gives 0 because it never adds a fixed amount (it counts 1
// or 11 inside a group); so does a joker.
int CaptureSumValue(int cardValue);

// What a hand card's groups must add up to when it takes two or more table
// cards: its sum value, or 11 for an ace. A joker's 0 is never reached.
int CaptureTarget(int handValue);

// Whether a hand card takes one lone table card: by equal sum value, so a lone
// ace only by an ace. A joker shares the ace's 0 but takes and is taken by
// nothing.
bool TakesSingleCard(int handValue, int tableValue);

// Whether the cards can be split into groups that each add up to target, for
// some choice of 1 or 11 for every ace among them. Every card must belong to a
// group. A joker belongs to no group, so a set holding one is never split.
// Answers for up to kMaxCaptureCards cards; more is a programming error
// (std::length_error).
bool SplitsIntoGroupsOf(std::span<const int> cardValues, int target);

// Whether a card of handValue played from the hand takes exactly the table
// cards given: a single card by equal sum value, two or more by splitting into
// groups of the hand card's sum value (11 for an ace). A joker neither takes
// nor is taken. Throws EInvalidPlay when no table card is given.
bool CanTakeValues(int handValue, std::span<const int> tableValues);
