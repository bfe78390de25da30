#include "game/rules/capture_errors.h"
#include "tests/support/table_candidates.h"
#include "tests/support/fake_card_owner.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory_resource>
#include <numeric>
#include <vector>

namespace {

using TPositions = std::vector<int>;

// A table of the given card IDs in position order, the first firstPile of
// them on the first pile.
struct TTestTable {
    TTestTable(const std::vector<int>& ids, int firstPile)
    {
        for (std::size_t i = 0; i < ids.size(); ++i)
            (static_cast<int>(i) < firstPile ? table.talon1 : table.talon2)
                .push_back(&pool.Make(ids[i]));
    }
    TCardPool pool;
    TTableCards table;
};

// n cards: position p holds the card with ID p + 1.
std::vector<int> Sequence(int n)
{
    std::vector<int> ids(n);
    std::iota(ids.begin(), ids.end(), 2);
    return ids;
}

// The candidates as positions; the count returned must be theirs.
std::vector<TPositions> Candidates(const TTableCards& table)
{
    TCardCollections list(1); // a leftover the call must clear
    const int count = getAllPossibleCollections(table, list);
    EXPECT_EQ(count, static_cast<int>(list.size()));
    std::vector<TPositions> out;
    for (const TCardCollection& set : list) {
        TPositions& positions = out.emplace_back();
        for (int i = 0; i < set.Count(); ++i)
            positions.push_back(set.CardID(i) - 1);
    }
    return out;
}

// The order written out as a decision per position: positions 1..n in turn,
// first leaving a position out while the rest can still make k cards, then
// taking it while fewer than k are taken.
void Decide(int n, int k, int position, TPositions& taken, std::vector<TPositions>& out)
{
    if (static_cast<int>(taken.size()) == k) {
        out.push_back(taken);
        return;
    }
    if (position > n) return;
    if (k - static_cast<int>(taken.size()) < n - position + 1)
        Decide(n, k, position + 1, taken, out);
    taken.push_back(position);
    Decide(n, k, position + 1, taken, out);
    taken.pop_back();
}

std::vector<TPositions> DecidedOrder(int n)
{
    std::vector<TPositions> out;
    for (int k = 1; k <= std::min(n, 5); ++k) { // no set of six or more
        TPositions taken;
        Decide(n, k, 1, taken, out);
    }
    return out;
}

} // namespace

TEST(TableCandidates, TablePositionsRunOverTheFirstPileThenTheSecond)
{
    TTestTable t(Sequence(5), 2);
    for (int position = 1; position <= 5; ++position)
        EXPECT_EQ(TableCardAt(t.table, position).ID(), position + 1);
    EXPECT_EQ(&TableCardAt(t.table, 3), t.table.talon2[0]);
    for (int outside : { 6, 0, -1 }) {
        try {
            TableCardAt(t.table, outside);
            FAIL() << "no exception for " << outside;
        } catch (const EIndexOutOfBounds& e) {
            EXPECT_STREQ(e.what(), "Moja greska!");
        }
    }
}

TEST(TableCandidates, OrderIsTheDocumentedOneForEveryTableSize)
{
    // The single cards from the last position to the first, then the pairs.
    TTestTable four(Sequence(4), 3);
    const auto sets = Candidates(four.table);
    const std::vector<TPositions> head { { 4 }, { 3 }, { 2 }, { 1 }, { 3, 4 }, { 2, 4 }, { 2, 3 },
        { 1, 4 }, { 1, 3 }, { 1, 2 } };
    EXPECT_EQ(std::vector<TPositions>(sets.begin(), sets.begin() + 10), head);

    std::vector<int> counts;
    for (int n = 0; n <= 12; ++n) {
        TTestTable t(Sequence(n), 6);
        const auto all = Candidates(t.table);
        EXPECT_EQ(all, DecidedOrder(n)) << n << " cards";
        counts.push_back(static_cast<int>(all.size()));
    }
    EXPECT_EQ(
        counts, (std::vector<int> { 0, 1, 3, 7, 15, 31, 62, 119, 218, 381, 637, 1023, 1585 }));
}

TEST(TableCandidates, FailureIsReportedAndLeavesNoCandidates)
{
    TScopedRecordingSink sink;
    TTestTable t(Sequence(12), 6);
    TCardCollections list(std::pmr::null_memory_resource()); // can never get memory
    EXPECT_EQ(getAllPossibleCollections(t.table, list), 0);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(
        sink.shown.errors, std::vector<std::string> { "Moja greska - getAllPossibleCollections" });
}

TEST(TableCandidates, WholeHandAnswersEqualCardByCardAnswers)
{
    TScopedRecordingSink sink;
    // Clubs are their value; diamonds, spades and hearts add 13, 26 and 39.
    TTestTable t(
        { 14, 3 + 13, 4 + 26, 5 + 39, 7, 14 + 39, 10 + 26, 11 + 39, 2, 6 + 13, 13 + 26, 12 + 39 },
        6);
    std::vector<const TZuSingleCard*> hand;
    for (int id : { 7 + 39, 13, 14 + 13, 10, 5 + 26, 12, 2 + 13, 11 })
        hand.push_back(&t.pool.Make(id));

    TCardCollections list;
    ASSERT_EQ(getAllPossibleCollections(t.table, list), 1585);
    int taken = 0;
    for (const TCardCollection& set : list) {
        const std::uint64_t each = CanTakeEach(set, hand);
        for (std::size_t i = 0; i < hand.size(); ++i) {
            ASSERT_EQ((each >> i) & 1, set.CanTake(*hand[i]) ? 1u : 0u);
            taken += (each >> i) & 1;
        }
        ASSERT_EQ(each >> hand.size(), 0u);
    }
    EXPECT_GT(taken, 100);
    EXPECT_TRUE(sink.shown.errors.empty());
    EXPECT_THROW(CanTakeEach(TCardCollection(), hand), EInvalidPlay);
}
