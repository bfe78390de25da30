// Feeds arbitrary text to the saved-match reader. What it accepts must be a
// match whose cards add up, and must read back the same after being written.
#include "game/match_file.h"
#include "game/match_rules.h"

#include <cstdint>
#include <cstdlib>
#include <string>

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
    return 0;
}
