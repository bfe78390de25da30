#include "ui/window/move_history_panel.h"

#include "game/review/review_marks.h"
#include "ui/window/review_words.h"
#include "ui/window/seat_marks.h"

#include <QAction>
#include <QHelpEvent>
#include <QToolTip>
#include <QScrollBar>
#include <QTextBrowser>

#include <algorithm>
#include <utility>

TMoveHistoryPanel::TMoveHistoryPanel(std::function<QString(int seat)> seatName, QWidget* parent)
    : QDockWidget(tr("Tok igre"), parent)
    , FSeatName(std::move(seatName))
{
    setObjectName(QStringLiteral("TokIgre"));
    // Docked on either side; a floating panel could be lost behind the window.
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    // The menu's check turns before the panel shows, and whoever follows it
    // may measure the panel: the text is there first.
    connect(toggleViewAction(), &QAction::toggled, this, [this](bool shown) {
        if (shown) Text();
    });
}

QTextBrowser* TMoveHistoryPanel::Text()
{
    if (FText) return FText;
    FText = new QTextBrowser(this);
    FText->setObjectName(QStringLiteral("TokIgreTekst"));
    FText->setAccessibleName(tr("Tok igre"));
    FText->setAccessibleDescription(tr("Svi potezi partije, po deljenjima"));
    FText->setFocusPolicy(Qt::NoFocus);
    // One width, so the window can take it on and off and the table keep its size.
    FText->setFixedWidth(PanelWidth);
    // The table's green, so the red suits read as they do in the marks.
    FText->setStyleSheet(
        QStringLiteral("QTextBrowser { background: #004d00; color: white; border: none; }"));
    // A mark is a link for its tooltip only: a click on it goes nowhere.
    FText->setOpenLinks(false);
    FText->viewport()->installEventFilter(this);
    setWidget(FText);
    Rebuild();
    return FText;
}

void TMoveHistoryPanel::setVisible(bool visible)
{
    // Before the show, so the panel's size counts the text's width.
    if (visible) Text();
    QDockWidget::setVisible(visible);
}

void TMoveHistoryPanel::ShowHistory(const TMoveHistory& history)
{
    const bool grows = history.size() >= FShown.size()
        && std::equal(FShown.begin(), FShown.end(), history.begin());
    if (!grows) {
        FShown = history;
        Rebuild();
        return;
    }
    for (std::size_t i = FShown.size(); i < history.size(); ++i) {
        FShown.push_back(history[i]);
        if (FText) Append(i);
    }
    ScrollToEnd();
}

void TMoveHistoryPanel::Rebuild()
{
    if (!FText) return;
    FText->clear();
    FMarkTips.clear();
    for (std::size_t i = 0; i < FShown.size(); ++i)
        Append(i);
    ScrollToEnd();
}

void TMoveHistoryPanel::ScrollToEnd()
{
    if (FText) FText->verticalScrollBar()->setValue(FText->verticalScrollBar()->maximum());
}

void TMoveHistoryPanel::ShowReviews(const std::vector<THandReview>& reviews)
{
    FReviews = reviews;
    Rebuild();
}

const TReviewedMove* TMoveHistoryPanel::ReviewOf(std::size_t index) const
{
    const TMoveRecord& move = FShown[index];
    if (move.seat != SeatS) return nullptr;
    std::size_t k = 0, all = 0;
    for (std::size_t i = 0; i < FShown.size(); ++i)
        if (FShown[i].hand == move.hand && FShown[i].seat == SeatS) {
            k += i < index;
            ++all;
        }
    for (const THandReview& hand : FReviews) {
        if (hand.hand != move.hand + 1) continue;
        // A hand resumed from a saved match is reviewed from the resume on:
        // its review holds the hand's last moves of the human.
        const std::size_t skipped = all - std::min(all, hand.moves.size());
        if (k < skipped || k - skipped >= hand.moves.size()) return nullptr;
        const TReviewedMove& reviewed = hand.moves[k - skipped];
        const THand& cards = reviewed.before.hands[SeatS];
        const int slot = reviewed.played.handSlot;
        // Only the move it judged bears its mark.
        const bool same = slot >= 0 && slot < kHandSlots && cards[slot] == move.playedId;
        return same ? &reviewed : nullptr;
    }
    return nullptr;
}

QString TMoveHistoryPanel::MarkHtml(std::size_t index, const TReviewedMove& reviewed)
{
    const MoveMark mark = MarkOf(reviewed, ReviewView::Fair);
    const QString link = QStringLiteral("mark:%1").arg(index);
    FMarkTips[link] = ReviewWords::MarkWords(reviewed, false);
    const char* colour = mark == MoveMark::Mistake ? "#ff8a80"
        : mark == MoveMark::SmallMistake           ? "#ffe066"
                                                   : "#a5d6a7";
    QString html
        = QStringLiteral(" <a href=\"%1\" style=\"color:%2; text-decoration:none\"><b>%3</b></a>")
              .arg(link, QLatin1String(colour), ReviewWords::MarkSign(mark));
    if (mark != MoveMark::Best)
        html
            += QStringLiteral("<br><small>%1</small>").arg(ReviewWords::MarkWords(reviewed, false));
    return html;
}

QString TMoveHistoryPanel::MarkTipAt(QPoint at)
{
    if (!FText) return {};
    const auto found = FMarkTips.find(FText->anchorAt(at));
    return found == FMarkTips.end() ? QString() : found->second;
}

bool TMoveHistoryPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (FText && watched == FText->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = MarkTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, FText->viewport());
        return true;
    }
    return QDockWidget::eventFilter(watched, event);
}

void TMoveHistoryPanel::Append(std::size_t index)
{
    const TMoveRecord& move = FShown[index];
    const TMoveRecord* before = index > 0 ? &FShown[index - 1] : nullptr;
    if (!before || before->hand != move.hand)
        FText->append(QStringLiteral("<p style=\"margin-top:6px\"><b>%1</b></p>")
                          .arg(tr("Deljenje %1").arg(move.hand + 1)));
    const TReviewedMove* reviewed = ReviewOf(index);
    const bool judged = reviewed && !reviewed->fair.empty();
    // A name is the player's text, never markup.
    FText->append(QStringLiteral("<p>%1: %2%3</p>")
                      .arg(FSeatName(move.seat).toHtmlEscaped(),
                          TSeatMarks::MoveHtml(move.playedId, move.takenIds),
                          judged ? MarkHtml(index, *reviewed) : QString()));
}
