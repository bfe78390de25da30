// A thousand whole headless matches (three hundred in the short form) over
// every mode, deck count, strength and direction with fixed seeds, the
// invariants checked after every move.
#include "game/rules/headless_match.h"
#include "game/computer/seat_choice.h"
#include "tests/stress/match_invariants.h"
#include "tests/stress/stress_length.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(HeadlessStress, WholeMatchesKeepTheInvariantsAfterEveryMove)
{
    // 48 matches go through every combination of the setup below.
    const int matches = StressMatches(1000, 300);
    long moves = 0, checks = 0, hands = 0;
    std::array<int, 3> perMode {};
    std::array<int, 4> wins {};
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < matches; ++i) {
        THeadlessMatchSetup setup;
        setup.chooser = ChooseSeatMove;
        setup.seed = 0x5EED0000u + unsigned(i);
        setup.gameMode = i % 3;
        setup.deckCount = (i / 3) % 2;
        setup.clockwise = (i / 6) % 2 == 0;
        for (int seat = SeatS; seat <= SeatE; ++seat)
            setup.strengths[seat] = (i / 12 + seat) % 4; // Pametno .. Majstor
        setup.checkCards = true;
        setup.afterMove = [&](const TMatchState& state) {
            ++checks;
            const std::string broken = BrokenInvariant(state);
            if (!broken.empty())
                throw EHeadlessMatch(broken + " after move " + std::to_string(state.MovesMade));
        };
        try {
            const THeadlessMatchResult result = PlayHeadlessMatch(setup);
            moves += result.moves;
            hands += long(result.hands.size());
            ++perMode[setup.gameMode];
            if (result.winner >= 0) ++wins[result.winner];
        } catch (const EHeadlessMatch& e) {
            FAIL() << "match " << i << " (seed " << setup.seed << "): " << e.what();
        }
    }
    std::printf("headless: %d matches (%d each, %d pairs, %d two players), %ld hands, %ld moves, "
                "%ld checks, %.1f s; wins S %d W %d N %d E %d\n",
        matches, perMode[0], perMode[1], perMode[2], hands, moves, checks, timer.elapsed() / 1000.0,
        wins[0], wins[1], wins[2], wins[3]);
}

} // namespace
