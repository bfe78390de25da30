#pragma once

// The card half of the card library: cards, groups, decks, deck descriptors,
// the card table and its waits, the deck file, the picture table.
#include "cards/deck/zucard_deck.h"
#include "cards/deck/zucard_deck_file.h"
#include "cards/group/zucard_group.h"
#include "cards/pictures/zucard_included.h"
#include "cards/card/zucard_owner.h"
#include "cards/pictures/zucard_pictures.h"
#include "cards/card/zucard_single.h"
#include "cards/table/zucard_table.h"
#include "cards/card/zucard_types.h"
#include "cards/table/zucard_wait_timer.h"
