// The reviews kept with a saved match: read back as written, marks and all;
// any other text refused; and kept only for the match whose history they fit.
#include "game/review/move_judge.h"
#include "game/review/review_file.h"
#include "game/review/review_marks.h"

#include "game/rules/match_rules.h"

#include <gtest/gtest.h>

namespace {

// S holds the seven of clubs and the two of diamonds, the table the seven of
// diamonds, in the first hand of a two-player match; the rest is taken.
TMatchState Before()
{
    TMatchState state;
    StartMatch(state, kTwoPlayers, 0, true);
    state.hands[SeatS] = { 7, 15, kNoCard, kNoCard, kNoCard, kNoCard };
    state.hands[SeatN] = { 35, 44, kNoCard, kNoCard, kNoCard, kNoCard };
    state.table[0][0] = 20;
    state.deck = { 30, 46, 9, 38 };
    int taker = SeatS;
    for (int id = 2; id <= 53; ++id)
        if (id != 7 && id != 15 && id != 35 && id != 44 && id != 20 && id != 30 && id != 46
            && id != 9 && id != 38) {
            state.taken[taker].push_back(id);
            taker = taker == SeatS ? SeatN : SeatS;
        }
    state.MovesMade = 20;
    state.LastTaker = SeatN;
    return state;
}

std::vector<THandReview> Judged()
{
    TJudgeSettings settings;
    settings.budget = 200;
    THandReview hand { 1,
        { { Before(), { SeatS, 1, {} }, {}, {} },
            { Before(), { SeatS, 0, { { 0, 0 } } }, {}, {} } } };
    JudgeHand(hand, settings);
    return { hand };
}

TEST(ReviewFile, ReadsBackWhatItWroteAndRefusesAnythingElse)
{
    const std::vector<THandReview> reviews = Judged();
    const std::string text = SaveReviewText(reviews);
    std::string error;
    const auto loaded = LoadReviewText(text, error);
    ASSERT_TRUE(loaded) << error;
    ASSERT_EQ(loaded->size(), 1U);
    const THandReview& hand = loaded->front();
    ASSERT_EQ(hand.moves.size(), 2U);
    for (std::size_t i = 0; i < hand.moves.size(); ++i) {
        const TReviewedMove& a = reviews[0].moves[i];
        const TReviewedMove& b = hand.moves[i];
        EXPECT_TRUE(a.before == b.before);
        ASSERT_EQ(a.fair.size(), b.fair.size());
        ASSERT_EQ(a.everyCard.size(), b.everyCard.size());
        for (ReviewView view : { ReviewView::Fair, ReviewView::EveryCard }) {
            EXPECT_EQ(MarkOf(a, view), MarkOf(b, view));
            EXPECT_NEAR(CostOf(a, view).points, CostOf(b, view).points, 1e-5);
        }
    }
    EXPECT_EQ(
        AccuracyPercent(hand, ReviewView::Fair), AccuracyPercent(reviews[0], ReviewView::Fair));

    std::string emptySlot = text;
    emptySlot.replace(emptySlot.find("played 0 1 0"), 12, "played 0 4 0");
    const std::pair<const char*, std::string> bad[] = {
        { "foreign", "[Zaviko]\nS=Ja\n" },
        { "cut short", text.substr(0, text.size() / 2) },
        { "text after the end", text + "x\n" },
        { "a move of an empty hand slot", emptySlot },
    };
    for (const auto& [what, badText] : bad) {
        std::string why;
        EXPECT_FALSE(LoadReviewText(badText, why)) << what;
        EXPECT_FALSE(why.empty()) << what;
    }
}

TEST(ReviewFile, KeptOnlyForTheMatchWhoseHistoryTheyFit)
{
    const std::vector<THandReview> reviews = Judged();
    TMatchState now = Before();
    now.HandsPlayed = 1;
    // The human's two moves of the first hand, a move of N between.
    const TMoveHistory history { { 0, SeatS, 15, {} }, { 0, SeatN, 35, {} },
        { 0, SeatS, 7, { 20 } } };
    EXPECT_TRUE(ReviewsFitHistory(reviews, now, history));
    TMoveHistory other = history;
    other[0].playedId = 44;
    EXPECT_FALSE(ReviewsFitHistory(reviews, now, other)) << "another card played";
    EXPECT_FALSE(ReviewsFitHistory(reviews, Before(), history)) << "the hand has not ended";
    // A hand resumed in the middle: its review holds the last moves only.
    const TMoveHistory longer { { 0, SeatS, 30, {} }, history[0], history[1], history[2] };
    EXPECT_TRUE(ReviewsFitHistory(reviews, now, longer));
}

} // namespace
