#include "game/rules/capture_errors.h"
#include "game/controller/card_collection.h"
#include "tests/support/table_candidates.h"
#include "tests/support/fake_card_owner.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <memory_resource>
#include <vector>

namespace {

// Card IDs: clubs are their value; diamonds, spades and hearts add 13, 26 and 39.
constexpr int kTwoOfClubs = 2, kThreeOfDiamonds = 16, kFourOfSpades = 30, kFiveOfHearts = 44;
constexpr int kJackOfDiamonds = 24, kQueenOfSpades = 38, kAceOfClubs = 14, kAceOfHearts = 53;

std::vector<int> IDs(const TCardCollection& set)
{
    std::vector<int> ids;
    for (int i = 0; i < set.Count(); ++i)
        ids.push_back(set.CardID(i));
    return ids;
}

} // namespace

TEST(CardCollection, AddRemoveAndClearKeepMarkingOrderOfAtMostTwentyOneCards)
{
    TCardPool pool;
    TCardCollection set;
    TZuSingleCard& three = pool.Make(kThreeOfDiamonds);
    set.Add(pool.Make(kFiveOfHearts));
    set.Add(three);
    set.Add(pool.Make(kFourOfSpades));
    EXPECT_EQ(IDs(set), (std::vector<int> { kFiveOfHearts, kThreeOfDiamonds, kFourOfSpades }));
    EXPECT_EQ(&set.Card(1), &three);

    set.Remove(three);
    set.Remove(three); // no longer in the set: ignored
    EXPECT_EQ(IDs(set), (std::vector<int> { kFiveOfHearts, kFourOfSpades }));
    EXPECT_THROW(set.CardID(2), std::out_of_range);

    set.Clear();
    EXPECT_EQ(set.Count(), 0);
    TZuSingleCard& two = pool.Make(kTwoOfClubs);
    for (int i = 0; i < kMaxCaptureCards; ++i)
        set.Add(two);
    EXPECT_THROW(set.Add(two), std::length_error);
    EXPECT_EQ(set.Count(), kMaxCaptureCards);
}

TEST(CardCollection, EmptySetIsAnInvalidPlayAndStaysEmpty)
{
    TCardPool pool;
    TCardCollection set;
    try {
        set.CanTake(pool.Make(kTwoOfClubs));
        FAIL() << "no exception";
    } catch (const EInvalidPlay& e) {
        EXPECT_STREQ(e.what(), "Nisu selektovane karte na tabli");
    }
    EXPECT_EQ(set.Count(), 0);
    EXPECT_THROW(CanTakeValues(7, {}), EInvalidPlay);
}

TEST(CardCollection, SearchFailureIsReportedAndAnswersNo)
{
    TScopedRecordingSink sink;
    TCardPool pool;
    // Big enough for the search to ask the default memory resource.
    TCardCollection set;
    for (int id : { 2, 3, 4, 5, 6, 7, 8, 9, 10, kJackOfDiamonds, kAceOfClubs, kAceOfHearts })
        set.Add(pool.Make(id));
    const TZuSingleCard& queen = pool.Make(kQueenOfSpades);
    const TZuSingleCard* hand[] = { &queen, &pool.Make(kTwoOfClubs), &queen };
    const std::vector<int> before = IDs(set);

    std::pmr::memory_resource* previous
        = std::pmr::set_default_resource(std::pmr::null_memory_resource());
    const bool taken = set.CanTake(queen);
    const std::uint64_t each = CanTakeEach(set, hand);
    std::pmr::set_default_resource(previous);

    EXPECT_FALSE(taken);
    EXPECT_EQ(each, 0u);
    // The same report for every hand card that needs the search; the two is
    // refused before any search.
    EXPECT_EQ(sink.shown.errors,
        std::vector<std::string>(3, "No one is perfect - TCardCollection.SubSumsMatch"));
    EXPECT_EQ(IDs(set), before);
    EXPECT_TRUE(set.CanTake(queen)) << "[12+1, 10+3, 9+4, 8+5, 7+6, 2+11]";
    EXPECT_EQ(CanTakeEach(set, hand), 0b101u);
    EXPECT_EQ(sink.shown.errors.size(), 3u);
}
