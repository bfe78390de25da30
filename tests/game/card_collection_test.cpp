#include "game/capture_errors.h"
#include "game/card_collection.h"
#include "tests/support/fake_card_owner.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <memory>
#include <memory_resource>
#include <vector>

namespace {

// Card IDs: clubs are their value; other suits are offset by 13, 26 and 39.
constexpr int kSevenOfClubs = 7, kThreeOfDiamonds = 16, kFourOfSpades = 30, kFiveOfHearts = 44;
constexpr int kTwoOfClubs = 2, kJackOfDiamonds = 24, kQueenOfSpades = 38, kKingOfHearts = 52;
constexpr int kAceOfClubs = 14, kAceOfHearts = 53, kTenOfSpades = 36, kNineOfClubs = 9;
constexpr int kNineOfHearts = 48, kNineOfDiamonds = 22, kJackOfHearts = 50, kRedJoker = 54;

class CardCollection : public ::testing::Test {
protected:
    TZuSingleCard& Card(int id) { return FPool.Make(id); }

    TCardCollection SetOf(std::initializer_list<int> ids)
    {
        TCardCollection set;
        for (int id : ids)
            set.Add(Card(id));
        return set;
    }

    std::vector<int> IDs(const TCardCollection& set)
    {
        std::vector<int> ids;
        for (int i = 0; i < set.Count(); ++i)
            ids.push_back(set.CardID(i));
        return ids;
    }

private:
    TCardPool FPool;
};

} // namespace

TEST_F(CardCollection, AddRemoveAndClearKeepMarkingOrder)
{
    TCardCollection set;
    EXPECT_EQ(set.Count(), 0);
    TZuSingleCard& three = Card(kThreeOfDiamonds);
    TZuSingleCard& four = Card(kFourOfSpades);
    TZuSingleCard& five = Card(kFiveOfHearts);
    set.Add(five);
    set.Add(three);
    set.Add(four);
    EXPECT_EQ(IDs(set), (std::vector<int> { kFiveOfHearts, kThreeOfDiamonds, kFourOfSpades }));
    EXPECT_EQ(&set.Card(1), &three);

    set.Remove(three);
    EXPECT_EQ(IDs(set), (std::vector<int> { kFiveOfHearts, kFourOfSpades }));
    set.Remove(three);
    EXPECT_EQ(set.Count(), 2) << "a card not in the set is ignored";
    EXPECT_THROW(set.CardID(2), std::out_of_range);

    set.Clear();
    EXPECT_EQ(set.Count(), 0);
    set.Add(three);
    EXPECT_EQ(IDs(set), (std::vector<int> { kThreeOfDiamonds }));
}

TEST_F(CardCollection, HoldsAtMostTwentyOneCards)
{
    TCardCollection set;
    TZuSingleCard& two = Card(kTwoOfClubs);
    for (int i = 0; i < kMaxCaptureCards; ++i)
        set.Add(two);
    EXPECT_THROW(set.Add(two), std::length_error);
    EXPECT_EQ(set.Count(), kMaxCaptureCards);
    EXPECT_TRUE(set.SubSumsMatch(6)) << "seven groups of three twos";
}

TEST_F(CardCollection, SumValuesComeFromTheCardsValues)
{
    EXPECT_EQ(TCardCollection::SumValue(Card(kSevenOfClubs)), 7);
    EXPECT_EQ(TCardCollection::SumValue(Card(kJackOfDiamonds)), 12);
    EXPECT_EQ(TCardCollection::SumValue(Card(kQueenOfSpades)), 13);
    EXPECT_EQ(TCardCollection::SumValue(Card(kKingOfHearts)), 14);
    EXPECT_EQ(TCardCollection::SumValue(Card(kAceOfHearts)), 0);
    EXPECT_EQ(TCardCollection::SumValue(Card(kRedJoker)), 0);
}

TEST_F(CardCollection, CanTakeDecidesTheWorkedExamplesAcrossSuits)
{
    EXPECT_TRUE(SetOf({ kThreeOfDiamonds, kFourOfSpades }).CanTake(Card(kSevenOfClubs)));
    EXPECT_TRUE(SetOf({ kThreeOfDiamonds, kFourOfSpades, kFiveOfHearts, kTwoOfClubs })
                    .CanTake(Card(kSevenOfClubs)));
    EXPECT_TRUE(SetOf({ kAceOfClubs, kThreeOfDiamonds }).CanTake(Card(kKingOfHearts)));
    EXPECT_FALSE(SetOf({ kAceOfClubs, kThreeOfDiamonds }).CanTake(Card(kAceOfHearts)));
    EXPECT_TRUE(SetOf({ kTenOfSpades, kAceOfClubs }).CanTake(Card(kAceOfHearts)));
    EXPECT_TRUE(SetOf({ kAceOfClubs }).CanTake(Card(kAceOfHearts)));
    EXPECT_TRUE(SetOf({ kAceOfClubs, kAceOfHearts }).CanTake(Card(kTwoOfClubs)));
    EXPECT_FALSE(SetOf({ kJackOfDiamonds }).CanTake(Card(kQueenOfSpades)));
    EXPECT_TRUE(SetOf({ kJackOfDiamonds }).CanTake(Card(kJackOfHearts)));
    EXPECT_TRUE(SetOf({ kNineOfClubs, kNineOfHearts }).CanTake(Card(kNineOfDiamonds)));
    EXPECT_FALSE(SetOf({ kAceOfClubs }).CanTake(Card(kRedJoker)));
}

TEST_F(CardCollection, EmptySetRaisesInvalidPlayAndStaysEmpty)
{
    TCardCollection set;
    try {
        set.CanTake(Card(kSevenOfClubs));
        FAIL() << "no exception";
    } catch (const EInvalidPlay& e) {
        EXPECT_STREQ(e.what(), "Nisu selektovane karte na tabli");
    }
    EXPECT_EQ(set.Count(), 0);
}

TEST_F(CardCollection, SearchFailureIsReportedAndAnswersNo)
{
    TScopedRecordingSink sink;
    // Big enough for the search to ask the default memory resource.
    TCardCollection set
        = SetOf({ 2, 3, 4, 5, 6, 7, 8, 9, 10, kJackOfDiamonds, kAceOfClubs, kAceOfHearts });
    const TZuSingleCard& queen = Card(kQueenOfSpades);
    const std::vector<int> before = IDs(set);
    std::pmr::memory_resource* previous
        = std::pmr::set_default_resource(std::pmr::null_memory_resource());
    const bool taken = set.CanTake(queen);
    std::pmr::set_default_resource(previous);

    EXPECT_FALSE(taken);
    EXPECT_EQ(sink.shown.errors,
        std::vector<std::string> { "No one is perfect - TCardCollection.SubSumsMatch" });
    EXPECT_EQ(IDs(set), before);
    EXPECT_TRUE(set.CanTake(queen)) << "[12+1, 10+3, 9+4, 8+5, 7+6, 2+11]";
    EXPECT_EQ(sink.shown.errors.size(), 1u);

    // The same report for every hand card that needs the search.
    const TZuSingleCard* hand[] = { &queen, &Card(kTwoOfClubs), &queen };
    std::pmr::set_default_resource(std::pmr::null_memory_resource());
    const std::uint64_t each = set.CanTakeEach(hand);
    std::pmr::set_default_resource(previous);
    EXPECT_EQ(each, 0u);
    EXPECT_EQ(sink.shown.errors.size(), 3u) << "the two is refused before any search";
    EXPECT_EQ(set.CanTakeEach(hand), 0b101u);
}
