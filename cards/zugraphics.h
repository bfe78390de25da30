#pragma once

// The drawing half of the card library: the animation lock, the off-screen
// drawing base of the card controls, and sprites.
#include "cards/sprite/zugraphics_card_control.h"
#include "cards/sprite/zugraphics_control.h"
#include "cards/sprite/zugraphics_lock.h"
#include "cards/sprite/zugraphics_sprite.h"
