#pragma once

class TZuCardGroup;

// Assistive technology sees a card group as a list whose items are the cards it holds:
// each item's name is the card's words (TZuCardGroup::AccessibleCardText),
// marked (inverted) cards are selected, the keyboard's card is focused; an
// empty slot is no item. The group installs the interface factory itself.
void ZuInstallCardAccessibility();
// A held card's place among the cards the group holds (its item in the
// list), or -1 for an empty slot.
int ZuCardPlace(const TZuCardGroup& group, int slot);
// Events for one slot: its state or name changed, or it took the focus ring.
void ZuNotifyCardChanged(TZuCardGroup& group, int slot);
void ZuNotifyCardFocus(TZuCardGroup& group, int slot);
