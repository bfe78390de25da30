#pragma once

// The rules' names live in zaviko::rules: to the linker no name of another
// layer is the same entity as one of theirs, and a name defined in two
// layers is an ambiguity the compiler reports where both are seen. The
// game's code names them without the prefix.
namespace zaviko::rules {
}
using namespace zaviko::rules;
