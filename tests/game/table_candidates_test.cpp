#include "game/capture_errors.h"
#include "game/table_candidates.h"
#include "tests/support/fake_card_owner.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <memory_resource>
#include <vector>

namespace {

using TPositions = std::vector<int>;

// A table whose card at position p has the ID p + 1, with the first
// firstPile positions on the first pile.
class TTestTable {
public:
    TTestTable(int n, int firstPile)
    {
        for (int position = 1; position <= n; ++position) {
            auto& pile = position <= firstPile ? table.talon1 : table.talon2;
            pile.push_back(&Make(position + 1));
        }
    }

    TZuSingleCard& Make(int id) { return FPool.Make(id); }

    TTableCards table;

private:
    TCardPool FPool;
};

TPositions PositionsOf(const TCardCollection& set)
{
    TPositions positions;
    for (int i = 0; i < set.Count(); ++i)
        positions.push_back(set.CardID(i) - 1);
    return positions;
}

std::vector<TPositions> Candidates(const TTableCards& table, int* returned = nullptr)
{
    TCardCollections list;
    const int count = getAllPossibleCollections(table, list);
    if (returned) *returned = count;
    std::vector<TPositions> out;
    for (const TCardCollection& set : list)
        out.push_back(PositionsOf(set));
    return out;
}

// The order written out as the original decided it: positions 1..n in turn,
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
    for (int k = 1; k <= std::min(n, kMaxCandidateCards); ++k) {
        TPositions taken;
        Decide(n, k, 1, taken, out);
    }
    return out;
}

} // namespace

TEST(TableCandidates, TablePositionsRunOverTheFirstPileThenTheSecond)
{
    TTestTable t(5, 2);
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

TEST(TableCandidates, EmptyTableGivesNoCandidates)
{
    TTestTable t(0, 0);
    TCardCollections list(1);
    EXPECT_EQ(getAllPossibleCollections(t.table, list), 0);
    EXPECT_TRUE(list.empty());
}

TEST(TableCandidates, SinglesFirstFromTheLastPositionThenPairsInDocumentedOrder)
{
    TTestTable t(4, 3);
    int count = 0;
    const auto sets = Candidates(t.table, &count);
    ASSERT_EQ(count, 4 + 6 + 4 + 1);
    ASSERT_EQ(sets.size(), 15u);
    const std::vector<TPositions> head { { 4 }, { 3 }, { 2 }, { 1 }, { 3, 4 }, { 2, 4 }, { 2, 3 },
        { 1, 4 }, { 1, 3 }, { 1, 2 } };
    EXPECT_EQ(std::vector<TPositions>(sets.begin(), sets.begin() + 10), head);
    EXPECT_EQ(sets.back(), (TPositions { 1, 2, 3, 4 }));
}

TEST(TableCandidates, NoSetOfSixOrMoreCards)
{
    TTestTable six(6, 6);
    int count = 0;
    const auto sets = Candidates(six.table, &count);
    EXPECT_EQ(count, 62);
    for (const auto& set : sets)
        EXPECT_LE(set.size(), 5u);
    TTestTable twelve(12, 6);
    EXPECT_EQ(Candidates(twelve.table, &count).size(), 1585u);
    EXPECT_EQ(count, 1585);
}

TEST(TableCandidates, OrderMatchesPositionByPositionDecisionsForEveryTableSize)
{
    for (int n = 1; n <= 12; ++n) {
        TTestTable t(n, std::min(n, 6));
        EXPECT_EQ(Candidates(t.table), DecidedOrder(n)) << n << " cards";
    }
}

TEST(TableCandidates, FailureIsReportedAndLeavesNoCandidates)
{
    TScopedRecordingSink sink;
    TTestTable t(12, 6);
    // A list that can never get memory.
    TCardCollections list(std::pmr::null_memory_resource());
    EXPECT_EQ(getAllPossibleCollections(t.table, list), 0);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(
        sink.shown.errors, std::vector<std::string> { "Moja greska - getAllPossibleCollections" });

    TCardCollections usable;
    EXPECT_EQ(getAllPossibleCollections(t.table, usable), 1585);
    EXPECT_EQ(sink.shown.errors.size(), 1u);
}

TEST(TableCandidates, WholeHandAnswersEqualCardByCardAnswers)
{
    TScopedRecordingSink sink;
    TTestTable t(0, 0);
    // Clubs are their value; diamonds, spades and hearts add 13, 26 and 39.
    for (int id : { 14, 3 + 13, 4 + 26, 5 + 39, 7, 14 + 39 })
        t.table.talon1.push_back(&t.Make(id));
    for (int id : { 10 + 26, 11 + 39, 2, 6 + 13, 13 + 26, 12 + 39 })
        t.table.talon2.push_back(&t.Make(id));
    std::vector<const TZuSingleCard*> hand;
    for (int id : { 7 + 39, 13, 14 + 13, 10, 5 + 26, 12, 2 + 13, 11 })
        hand.push_back(&t.Make(id));

    TCardCollections list;
    ASSERT_EQ(getAllPossibleCollections(t.table, list), 1585);
    int taken = 0;
    for (const TCardCollection& set : list) {
        const std::uint64_t each = set.CanTakeEach(hand);
        for (std::size_t i = 0; i < hand.size(); ++i) {
            ASSERT_EQ((each >> i) & 1, set.CanTake(*hand[i]) ? 1u : 0u);
            taken += (each >> i) & 1;
        }
        ASSERT_EQ(each >> hand.size(), 0u);
    }
    EXPECT_GT(taken, 100);
    EXPECT_TRUE(sink.shown.errors.empty());
    EXPECT_THROW(TCardCollection().CanTakeEach(hand), EInvalidPlay);
}
