#pragma once

#include "game/review/move_review.h"
#include "game/rules/match_file.h"

#include <QDockWidget>

#include <functional>
#include <map>
#include <vector>

class QTextBrowser;

// "Tok igre": every move of the match, hand by hand, in the words of the
// last-move marks beside the seats, in a panel docked beside the table. New
// moves are added at the end; a history that is not the shown one plus new
// moves (a move taken back, a new or resumed match) is shown anew. The text
// never takes the keyboard's focus, which stays with the cards. The text is
// made when the panel first shows (or is asked for), from the moves kept till then.
// Once a hand is judged, each of the human's moves in it bears its mark (a
// tick, "?!" for a small mistake, "?" for a mistake); a mistake names the
// better move under it, and the mark's tooltip says what it cost.
class TMoveHistoryPanel : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 230;

    // seatName gives a seat's name as shown now.
    TMoveHistoryPanel(std::function<QString(int seat)> seatName, QWidget* parent);

    void ShowHistory(const TMoveHistory& history);
    // The match's reviews as they stand: the marks are shown anew.
    void ShowReviews(const std::vector<THandReview>& reviews);
    // The tooltip of the mark at a point of the text's viewport; empty where
    // there is none.
    QString MarkTipAt(QPoint at);
    // Shows the same moves again, with the seats' names as they are now.
    void Rebuild();
    QTextBrowser* Text();
    int MovesShown() const { return int(FShown.size()); }
    void setVisible(bool visible) override;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Append(std::size_t index);
    // The review of the shown move at `index`, or nullptr: the human's k-th
    // move of a hand is the k-th move of that hand's review.
    const TReviewedMove* ReviewOf(std::size_t index) const;
    QString MarkHtml(std::size_t index, const TReviewedMove& reviewed);
    void ScrollToEnd();

    std::function<QString(int seat)> FSeatName;
    QTextBrowser* FText = nullptr;
    TMoveHistory FShown;
    std::vector<THandReview> FReviews;
    // Each mark's tooltip by its link.
    std::map<QString, QString> FMarkTips;
};
