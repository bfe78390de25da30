// Feeds arbitrary text to the saved-match reader. What it accepts must be a
// match whose cards add up, must read back the same after being written, and
// must play on by the rules to the end of the match: no state it accepts is
// stuck.
#include "game/rules/match_file.h"
#include "game/rules/match_rules.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Fresh decks in ID order; which cards come does not matter here.
class TPlainEvents : public TMatchEvents {
public:
    std::vector<int> NewDeck(int deckCount) override { return FreshDeck(deckCount); }
};

// The first capture a hand card can make of a single table card of its
// value, else the first card laid down.
TMove SomeMove(const TMatchState& state)
{
    const int seat = state.CurrentPlayer;
    int firstCard = -1;
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (state.hands[seat][slot] == kNoCard) continue;
        if (firstCard < 0) firstCard = slot;
        for (const TTableSlot& place : TableSlots(state)) {
            const std::vector<TTableSlot> take { place };
            if (IsLegalCapture(state, seat, slot, take)) return { seat, slot, take };
        }
    }
    if (firstCard < 0) std::abort(); // the seat on turn has no card: stuck
    return { seat, firstCard, {} };
}

void PlayToTheEnd(TMatchState state)
{
    TPlainEvents events;
    // Far more moves than any match of up to 100 points needs.
    for (int move = 0; move < 20000; ++move) {
        ApplyMove(state, SomeMove(state));
        FinishTurn(state, events);
        if (!CardsConserved(state)) std::abort();
        if (state.GameOver) return;
    }
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto match = LoadMatchText(text, error);
    if (!match) {
        if (error.empty()) std::abort(); // a refusal always says why
        return 0;
    }
    if (!CardsConserved(match->state)) std::abort();
    const std::string again = SaveMatchText(*match);
    const auto back = LoadMatchText(again, error);
    if (!back || SaveMatchText(*back) != again) std::abort();
    PlayToTheEnd(match->state);
    return 0;
}
