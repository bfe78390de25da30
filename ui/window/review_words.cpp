#include "ui/window/review_words.h"

#include "game/review/review_marks.h"
#include "game/rules/match_rules.h"
#include "ui/review/review_words.h"
#include "ui/window/seat_marks.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace ReviewWords {

namespace {

int PlayedId(const TMatchState& before, const TMove& move)
{
    return before.hands.at(move.seat).at(move.handSlot);
}

std::vector<int> TakenIds(const TMatchState& before, const TMove& move)
{
    std::vector<int> ids;
    for (const TTableSlot& place : move.take)
        ids.push_back(before.table.at(place.row).at(place.slot));
    return ids;
}

// In the language's own way of writing a decimal, as the "Analiza" window
// writes them.
QString Points(double points)
{
    return QLocale().toString(points, 'f', 1);
}

} // namespace

QString MoveHtml(const TMatchState& before, const TMove& move)
{
    return TSeatMarks::MoveHtml(PlayedId(before, move), TakenIds(before, move));
}

QString MoveSpoken(const TMatchState& before, const TMove& move)
{
    return TReviewWords::MoveText(before, move);
}

bool HandJudged(const THandReview& hand)
{
    return std::all_of(hand.moves.begin(), hand.moves.end(),
        [](const TReviewedMove& m) { return !m.fair.empty(); });
}

QString AccuracyLine(const THandReview& hand)
{
    return QCoreApplication::translate("ReviewWords", "Preciznost: %1%")
        .arg(AccuracyPercent(hand, ReviewView::Fair));
}

QString CostliestLine(const THandReview& hand, bool spoken)
{
    const TReviewedMove* costliest = CostliestMistake(hand, ReviewView::Fair);
    if (!costliest) return QCoreApplication::translate("ReviewWords", "Najveca greska: nema");
    const TJudgedMove* best = BestMove(*costliest, ReviewView::Fair);
    const auto name = [&](const TMove& move) {
        return spoken ? MoveSpoken(costliest->before, move) : MoveHtml(costliest->before, move);
    };
    return QCoreApplication::translate("ReviewWords", "Najveca greska: %1 (%2 poena manje od: %3)")
        .arg(name(costliest->played), Points(CostOf(*costliest, ReviewView::Fair).points),
            name(best->move));
}

QString JudgingLine()
{
    return QCoreApplication::translate("ReviewWords", "Potezi ovog deljenja se analiziraju...");
}

QString MarkSign(MoveMark mark)
{
    switch (mark) {
    case MoveMark::Mistake:
        return QStringLiteral("?");
    case MoveMark::SmallMistake:
        return QStringLiteral("?!");
    case MoveMark::Best:
        break;
    }
    return QStringLiteral("✓");
}

QString MarkWords(const TReviewedMove& move, bool spoken)
{
    const MoveMark mark = MarkOf(move, ReviewView::Fair);
    if (mark == MoveMark::Best) return QCoreApplication::translate("ReviewWords", "Dobar potez");
    const TJudgedMove* best = BestMove(move, ReviewView::Fair);
    const QString better
        = spoken ? MoveSpoken(move.before, best->move) : MoveHtml(move.before, best->move);
    const QString cost = Points(CostOf(move, ReviewView::Fair).points);
    return (mark == MoveMark::Mistake
            ? QCoreApplication::translate("ReviewWords", "Greska, %1 poena manje; bolje: %2")
            : QCoreApplication::translate("ReviewWords", "Mala greska, %1 poena manje; bolje: %2"))
        .arg(cost, better);
}

} // namespace ReviewWords
