#pragma once

// The review's names live in zaviko::review, for the reason the rules' live
// in zaviko::rules (rules_namespace.h); the game's code names them without
// the prefix.
namespace zaviko::review {
}
using namespace zaviko::review;
