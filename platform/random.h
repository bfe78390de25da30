#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>

// A random generator of its own for whoever draws: each match owns one, so
// its deals and draws depend on nothing else the program draws, and its state
// (kept by undo and the saved match) is the match's alone. Not synchronised:
// one thread draws at a time, as the match's GUI thread and worker do.
class TRandomGenerator {
public:
    // A uniform integer in 0..n-1 (0 when n <= 0).
    int Below(int n);
    int operator()(int n) { return Below(n); }
    // Re-seeds from the clock, unless a test has fixed the seed (FixRandomSeed):
    // then the first Reseed after the seed was fixed seeds with it (the k-th
    // generator so seeded with seed + k, so each match of a run differs) and
    // later ones keep the sequence going.
    void Reseed();
    // The whole state as text, and back; SetState refuses (false, state
    // unchanged) text that is not such a state.
    std::string State() const;
    bool SetState(const std::string& state);

private:
    std::mt19937_64 FEngine { 5489u };
    // The fixed seed's setting this generator was last seeded with.
    std::uint64_t FSeedEpoch = 0;
};

// The card library's own generator (random design-time cards, a deck
// prepared without a generator of its user's).
// Random(n) gives a uniform integer in 0..n-1 (0 when n <= 0).
int Random(int n);

// Re-seeds the card library's generator from the clock, unless a test has
// fixed the seed.
void Randomize();

// Test hook: seeds the card library's generator at once, and every
// TRandomGenerator at its next Reseed, with `seed` (see Reseed); Randomize and Reseed then
// keep their sequences, so a whole run repeats while its matches and decks
// still differ. With ReleaseRandomSeed they go back to the clock.
void FixRandomSeed(std::uint64_t seed);
void ReleaseRandomSeed();

// The card library's generator's whole state as text, and back.
std::string RandomState();
bool SetRandomState(const std::string& state);
// Whether the text is a whole such state, with nothing cut off or added, of a
// generator that can run: one whose words are all zero gives only zeros, and
// no such state is ever reached by a generator that was seeded.
bool IsRandomState(const std::string& state);

// A uniform integer in 0..n-1 from the engine (0 when n <= 0), the value
// std::uniform_int_distribution gives, but never more than a few draws long
// whatever the engine's state: a draw that would go on drawing (a state of
// zeros) settles for a value barely off uniform instead of hanging.
int RandomBelow(std::mt19937_64& engine, int n);

// For a generator's states that follow one another: how many draws lead from
// `from` to `to` (nullopt when `to` is not reached within `limit` draws or
// either is no such state), and the state `draws` draws after `from` (empty
// when `from` is no such state). Both take time in proportion to the draws. A saved match keeps its
// undo steps' generators this way, as counts from one whole state.
std::optional<std::uint64_t> RandomDrawsBetween(
    const std::string& from, const std::string& to, std::uint64_t limit);
std::string AdvancedRandomState(const std::string& from, std::uint64_t draws);
