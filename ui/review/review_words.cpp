#include "ui/review/review_words.h"

#include "game/review/review_marks.h"
#include "ui/access/card_words.h"

#include <QLocale>

QString TReviewWords::Heading(int hand, int move, int moves)
{
    return tr("Ruka %1, potez %2 od %3").arg(hand).arg(move).arg(moves);
}

QString TReviewWords::MoveText(const TMatchState& before, const TMove& move)
{
    const int played = before.hands[move.seat][move.handSlot];
    if (move.take.empty()) return tr("%1 na talon").arg(CardWords::Card(played));
    std::vector<int> taken;
    for (const TTableSlot& slot : move.take)
        taken.push_back(before.table[slot.row][slot.slot]);
    return tr("%1 nosi %2").arg(CardWords::Card(played), CardWords::List(taken));
}

QString TReviewWords::Mark(MoveMark mark, double cost)
{
    switch (mark) {
    case MoveMark::Mistake:
        return tr("Greska");
    case MoveMark::SmallMistake:
        return tr("Mala greska");
    case MoveMark::Best:
        break;
    }
    return cost > 0 ? tr("Dobar potez") : tr("Najbolji potez");
}

QString TReviewWords::ViewName(ReviewView view)
{
    return view == ReviewView::Fair ? tr("Procena iz onoga sto si znao")
                                    : tr("Procena sa svim kartama otkrivenim");
}

QString TReviewWords::Judging()
{
    return tr("Racunar procenjuje ruku...");
}

QString TReviewWords::Value(double value)
{
    const QString number = QLocale().toString(value, 'f', 1);
    return value > 0.05 ? QStringLiteral("+") + number : number;
}

QStringList TReviewWords::Lines(const TReviewedMove& reviewed, ReviewView view)
{
    const TJudgedMove* played = PlayedMove(reviewed, view);
    const TJudgedMove* best = BestMove(reviewed, view);
    const QString move = MoveText(reviewed.before, reviewed.played);
    if (!played || !best) return { tr("Tvoj potez: %1").arg(move), Judging() };
    const TMoveCost cost = CostOf(reviewed, view);
    const QLocale locale;
    return { tr("Tvoj potez: %1, vrednost %2").arg(move, Value(played->value)),
        tr("Najbolji potez: %1, vrednost %2")
            .arg(MoveText(reviewed.before, best->move), Value(best->value)),
        tr("Cena: %1 ± %2 poena (%3)")
            .arg(locale.toString(cost.points, 'f', 1), locale.toString(cost.stdError, 'f', 1),
                Mark(MarkOf(reviewed, view), cost.points)) };
}
