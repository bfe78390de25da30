#pragma once

// Proof that the layer check refuses a header of a layer above: this compiles
// as plain C++, yet names the card library.
#include "cards/card/zucard_types.h"
