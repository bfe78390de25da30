#pragma once

#include "game/rules/rules_namespace.h"

#include <stdexcept>
#include <string>

namespace zaviko::rules {

// A hand card was asked to take an empty set of table cards.
class EInvalidPlay : public std::runtime_error {
public:
    explicit EInvalidPlay(const std::string& message)
        : std::runtime_error(message)
    {
    }
};

// A table position past the cards that lie on the table.
class EIndexOutOfBounds : public std::runtime_error {
public:
    explicit EIndexOutOfBounds(const std::string& message)
        : std::runtime_error(message)
    {
    }
};

inline constexpr const char* kNoMarkedCardsText = "Nisu selektovane karte na tabli";
inline constexpr const char* kTablePositionText = "Moja greska!";

} // namespace zaviko::rules
