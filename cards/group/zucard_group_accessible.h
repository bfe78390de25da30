#pragma once

class TZuCardGroup;

// Assistive technology sees a card group as a list whose items are its slots:
// each item's name is the card's words (TZuCardGroup::AccessibleCardText),
// marked (inverted) cards are selected, the keyboard's card is focused and an
// empty slot is invisible. The group installs the interface factory itself.
void ZuInstallCardAccessibility();
// Events for one slot: its state or name changed, or it took the focus ring.
void ZuNotifyCardChanged(TZuCardGroup& group, int slot);
void ZuNotifyCardFocus(TZuCardGroup& group, int slot);
