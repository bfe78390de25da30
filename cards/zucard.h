#pragma once

// The card half of the card library: cards, groups, decks, deck descriptors,
// the card table and its waits, the deck file, the picture table.
#include "cards/zucard_deck.h"
#include "cards/zucard_deck_file.h"
#include "cards/zucard_group.h"
#include "cards/zucard_included.h"
#include "cards/zucard_owner.h"
#include "cards/zucard_pictures.h"
#include "cards/zucard_single.h"
#include "cards/zucard_table.h"
#include "cards/zucard_types.h"
#include "cards/zucard_wait_timer.h"
