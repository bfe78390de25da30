#pragma once

#include "game/rules/match_file.h"

#include <QDockWidget>

#include <functional>

class QTextBrowser;

// "Tok igre": every move of the match, hand by hand, in the words of the
// last-move marks beside the seats, in a panel docked beside the table. New
// moves are added at the end; a history that is not the shown one plus new
// moves (a move taken back, a new or resumed match) is shown anew. The text
// never takes the keyboard's focus, which stays with the cards. The text is
// made when the panel first shows (or is asked for), from the moves kept till then.
class TMoveHistoryPanel : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 230;

    // seatName gives a seat's name as shown now.
    TMoveHistoryPanel(std::function<QString(int seat)> seatName, QWidget* parent);

    void ShowHistory(const TMoveHistory& history);
    // Shows the same moves again, with the seats' names as they are now.
    void Rebuild();
    QTextBrowser* Text();
    int MovesShown() const { return int(FShown.size()); }
    void setVisible(bool visible) override;

private:
    void Append(const TMoveRecord& move, const TMoveRecord* before);
    void ScrollToEnd();

    std::function<QString(int seat)> FSeatName;
    QTextBrowser* FText = nullptr;
    TMoveHistory FShown;
};
