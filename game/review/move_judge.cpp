#include "game/review/move_judge.h"

#include "game/computer/move_candidates.h"
#include "game/computer/search_player.h"
#include "game/computer/seat_knowledge.h"
#include "game/rules/card_points.h"
#include "game/rules/computer_move.h"

#include <algorithm>
#include <numeric>

namespace zaviko::review {

namespace {

// The played move as the search names moves: the hand slot and the table
// positions it took, ascending.
TComputerChoice ChoiceOf(const TMatchState& state, const TMove& move)
{
    TComputerChoice choice;
    choice.handSlot = move.handSlot;
    choice.capture = !move.take.empty();
    const std::vector<TTableSlot> slots = TableSlots(state);
    for (const TTableSlot& taken : move.take) {
        const auto at = std::find(slots.begin(), slots.end(), taken);
        if (at != slots.end()) choice.tablePositions.push_back(int(at - slots.begin()));
    }
    std::sort(choice.tablePositions.begin(), choice.tablePositions.end());
    return choice;
}

// Two moves alike: hand cards of the same value and points taking the same
// table cards (the search offers only the first of alike hand cards).
bool AlikeMoves(const THand& hand, const TComputerChoice& a, const TComputerChoice& b)
{
    const int x = hand[a.handSlot], y = hand[b.handSlot];
    return a.capture == b.capture && a.tablePositions == b.tablePositions
        && CardValue(x) == CardValue(y) && CardPoints(x) == CardPoints(y);
}

} // namespace

int ReviewBudget()
{
    return PinnedSearchBudget(kReviewBudget);
}

std::vector<TJudgedMove> JudgeMove(
    const TMatchState& before, const TMove& played, ReviewView view, const TJudgeSettings& settings)
{
    const int seat = played.seat;
    // Only what the seat knew names the moves; the search itself draws the
    // unseen cards from that knowledge in the fair view.
    std::vector<TComputerChoice> choices;
    for (const TMoveCandidate& c : MoveCandidates(SeatKnowledgeOf(before, seat)))
        choices.push_back(c.choice);
    const TComputerChoice playedChoice = ChoiceOf(before, played);
    const auto alike
        = [&](const TComputerChoice& c) { return AlikeMoves(before.hands[seat], c, playedChoice); };
    auto playedAt = std::find_if(choices.begin(), choices.end(), alike);
    if (playedAt == choices.end()) playedAt = choices.insert(choices.end(), playedChoice);
    const std::size_t playedIndex = std::size_t(playedAt - choices.begin());

    TSearchSettings search;
    search.budget = settings.budget < 0 ? ReviewBudget() : settings.budget;
    search.threads = settings.threads;
    search.stopped = settings.stopped;
    search.peekAtHiddenCards = view == ReviewView::EveryCard;
    const TValuedMoves valued = ValueMoves(before, seat, choices, search);
    if (valued.stopped || valued.values.size() != choices.size()) return {};

    std::vector<TJudgedMove> judged;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const TMove move = i == playedIndex ? played : MoveOfChoice(before, seat, choices[i]);
        judged.push_back({ move, valued.values[i].mean, valued.values[i].stdError });
    }
    std::stable_sort(judged.begin(), judged.end(),
        [](const TJudgedMove& a, const TJudgedMove& b) { return a.value > b.value; });
    return judged;
}

bool JudgeHand(THandReview& hand, const TJudgeSettings& settings,
    const std::function<void(const THandReview&)>& judged)
{
    for (ReviewView view : { ReviewView::Fair, ReviewView::EveryCard })
        for (TReviewedMove& reviewed : hand.moves) {
            auto& list = view == ReviewView::Fair ? reviewed.fair : reviewed.everyCard;
            if (!list.empty()) continue;
            if (settings.stopped && settings.stopped()) return false;
            list = JudgeMove(reviewed.before, reviewed.played, view, settings);
            if (list.empty()) return false;
            if (judged) judged(hand);
        }
    return true;
}

} // namespace zaviko::review
