#include "platform/random.h"

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

std::optional<std::mt19937_64> Read(const std::string& state)
{
    std::istringstream in(state);
    std::mt19937_64 engine;
    in >> engine;
    if (in.fail()) return std::nullopt;
    return engine;
}

std::string Text(const std::mt19937_64& engine)
{
    std::ostringstream out;
    out << engine;
    return out.str();
}

} // namespace

int Random(int n)
{
    if (n <= 0) return 0;
    std::uniform_int_distribution<int> pick(0, n - 1);
    return pick(Generator());
}

void Randomize()
{
    // A fixed seed fixes the run from where it was set: re-seeding with it
    // here would give every match and every deck the same draws.
    if (FixedSeed()) return;
    Generator().seed(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void FixRandomSeed(std::uint64_t seed)
{
    FixedSeed() = seed;
    Generator().seed(seed);
}

void ReleaseRandomSeed()
{
    FixedSeed().reset();
}

std::string RandomState()
{
    std::ostringstream out;
    out << Generator();
    return out.str();
}

bool SetRandomState(const std::string& state)
{
    std::istringstream in(state);
    std::mt19937_64 restored;
    in >> restored;
    if (in.fail()) return false;
    Generator() = restored;
    return true;
}

bool IsRandomState(const std::string& state)
{
    std::istringstream in(state);
    std::mt19937_64 restored;
    in >> restored;
    std::string rest;
    return !in.fail() && !(in >> rest);
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
