#pragma once

// The computer's names live in zaviko::computer, for the reason the rules'
// live in zaviko::rules (rules_namespace.h); the game's code names them
// without the prefix.
namespace zaviko::computer {
}
using namespace zaviko::computer;
