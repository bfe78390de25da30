// Feeds arbitrary text to the statistics reader. What it accepts must write
// back to a text that reads as the same statistics, and a refusal says why.
#include "game/rules/match_statistics.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto stats = TMatchStatistics::LoadText(text, error);
    if (!stats) {
        if (error.empty()) std::abort();
        return 0;
    }
    const auto back = TMatchStatistics::LoadText(stats->SaveText(), error);
    if (!back || !(*back == *stats)) std::abort();
    return 0;
}
