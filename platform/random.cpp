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
