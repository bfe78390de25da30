#include "platform/random.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <random>
#include <sstream>

namespace {

std::mt19937_64& Generator()
{
    static std::mt19937_64 generator { 5489u };
    return generator;
}

std::optional<std::uint64_t>& FixedSeed()
{
    static std::optional<std::uint64_t> seed;
    return seed;
}

// Counts the seeds fixed, so each generator knows whether it has begun the
// sequence of the seed fixed last, and the generators seeded since: the k-th
// begins at seed + k, so the matches of one run differ and the run repeats.
std::atomic<std::uint64_t>& SeedEpoch()
{
    static std::atomic<std::uint64_t> epoch { 0 };
    return epoch;
}

std::atomic<std::uint64_t>& SeededInEpoch()
{
    static std::atomic<std::uint64_t> seeded { 0 };
    return seeded;
}

std::uint64_t ClockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

// More draws than a sound generator needs once in 2^58 draws of any n.
constexpr int kMaxRedraws = 64;

// The engine's words as its text gives them, and whether any of those the
// generator mixes is not zero: the low bits of the first word never reach an
// output, so a state of zeros but those is as dead as one of all zeros.
bool CanRun(const std::string& state)
{
    std::istringstream in(state);
    constexpr std::uint64_t kUsedBitsOfFirst = ~((std::uint64_t(1) << 31) - 1);
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < std::mt19937_64::state_size && in >> word; ++i)
        if ((i == 0 ? word & kUsedBitsOfFirst : word) != 0) return true;
    return false;
}

std::optional<std::mt19937_64> Read(const std::string& state)
{
    std::istringstream in(state);
    std::mt19937_64 engine;
    in >> engine;
    if (in.fail() || !CanRun(state)) return std::nullopt;
    return engine;
}

std::string Text(const std::mt19937_64& engine)
{
    std::ostringstream out;
    out << engine;
    return out.str();
}

} // namespace

int RandomBelow(std::mt19937_64& engine, int n)
{
    if (n <= 0) return 0;
    // Multiply and shift, redrawing the few values that would favour some
    // results: the method and order of draws of the standard library's
    // uniform_int_distribution, so every seed gives the draws it always gave.
    const std::uint64_t range = std::uint64_t(n);
    unsigned __int128 product = (unsigned __int128)(engine()) * range;
    const std::uint64_t threshold = (0 - range) % range;
    for (int redraws = 0; std::uint64_t(product) < threshold && redraws < kMaxRedraws; ++redraws)
        product = (unsigned __int128)(engine()) * range;
    return int(product >> 64);
}

int TRandomGenerator::Below(int n)
{
    return RandomBelow(FEngine, n);
}

void TRandomGenerator::Reseed()
{
    if (!FixedSeed()) {
        FEngine.seed(ClockSeed());
        return;
    }
    // A fixed seed fixes the run from where it was set: re-seeding with it at
    // every Reseed would give every match and every deck the same draws.
    if (FSeedEpoch == SeedEpoch()) return;
    FSeedEpoch = SeedEpoch();
    FEngine.seed(*FixedSeed() + SeededInEpoch()++);
}

std::string TRandomGenerator::State() const
{
    return Text(FEngine);
}

bool TRandomGenerator::SetState(const std::string& state)
{
    const std::optional<std::mt19937_64> restored = Read(state);
    if (!restored) return false;
    FEngine = *restored;
    return true;
}

int Random(int n)
{
    return RandomBelow(Generator(), n);
}

void Randomize()
{
    if (FixedSeed()) return;
    Generator().seed(ClockSeed());
}

void FixRandomSeed(std::uint64_t seed)
{
    FixedSeed() = seed;
    ++SeedEpoch();
    SeededInEpoch() = 0;
    Generator().seed(seed);
}

void ReleaseRandomSeed()
{
    FixedSeed().reset();
}

std::string RandomState()
{
    return Text(Generator());
}

bool SetRandomState(const std::string& state)
{
    const std::optional<std::mt19937_64> restored = Read(state);
    if (!restored) return false;
    Generator() = *restored;
    return true;
}

bool IsRandomState(const std::string& state)
{
    std::istringstream in(state);
    std::mt19937_64 restored;
    in >> restored;
    std::string rest;
    return !in.fail() && !(in >> rest) && CanRun(state);
}

std::optional<std::uint64_t> RandomDrawsBetween(
    const std::string& from, const std::string& to, std::uint64_t limit)
{
    std::optional<std::mt19937_64> engine = Read(from);
    const std::optional<std::mt19937_64> target = Read(to);
    if (!engine || !target) return std::nullopt;
    for (std::uint64_t draws = 0; draws <= limit; ++draws) {
        if (*engine == *target) return draws;
        (*engine)();
    }
    return std::nullopt;
}

std::string AdvancedRandomState(const std::string& from, std::uint64_t draws)
{
    std::optional<std::mt19937_64> engine = Read(from);
    if (!engine) return {};
    engine->discard(draws);
    return Text(*engine);
}
