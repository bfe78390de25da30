#pragma once

#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QKeyEvent;
class TMatchController;
class TZuCardGroup;

// Play by keys: a focus ring moves over the human's hand and the two table
// rows. Left/Right step within a row, Up/Down go from the hand to the lower
// and the upper table row and back, Home/End go to a row's ends; Space marks
// or unmarks the focused table card, Enter plays the focused hand card (it
// takes the marked cards, or goes to the table when none is marked), Escape
// clears the marks and 1-6 play the hand's first to sixth card. The keys act
// only while the human may move; otherwise the controller says why. A key
// that can do nothing where the ring is says why too.
class TKeyboardPlay {
public:
    enum TRow { RowHand = 0, RowLower = 1, RowUpper = 2 };

    TKeyboardPlay(
        TZuCardGroup* hand, TZuCardGroup* lower, TZuCardGroup* upper, TMatchController& controller);

    // True when the key is one of these keys (handled or refused).
    bool KeyPress(const QKeyEvent& event);
    // The ring goes away, as when the mouse plays.
    void Hide();
    // The ring, when shown, moves onto a card again after the table changed;
    // back to the hand when the hand, empty before, has been dealt again.
    void Follow();
    // The ring goes to the hand's card in `slot` (the hint's card), so Enter
    // plays it.
    void FocusHand(int slot);

    // Said to the player when a key has an answer the screen reader cannot
    // give: a row's edge, a row that is not there, a mark and the new sum,
    // the marks cleared. With SpeakFocus also each card the ring moves to,
    // for a player who hears the game without a screen reader.
    std::function<void(const QString&)> OnAnswer;
    std::function<bool()> SpeakFocus;

    bool Shown() const { return FShown; }
    TRow Row() const { return FRow; }
    int Slot() const { return FSlot; }
    TZuCardGroup* Group(TRow row) const { return FRows.at(row); }

private:
    bool Move(int key);
    void Step(int direction);
    void ToEnd(bool last);
    void ChangeRow(int direction);
    void Mark();
    void ClearMarks();
    void Answer(const QString& text) const;
    // The table cards marked now, upper row first.
    std::vector<int> MarkedIds() const;
    void PlayFocused();
    void PlaySlot(int slot);
    // Puts the ring on (row, slot), or the nearest card of the row.
    void Show(TRow row, int slot);
    // The first place with a card, the hand first.
    void ShowFirst();
    bool HasCards(TRow row) const;
    // Says in the status bar why a key did nothing.
    void Explain(const char* text);

    std::array<QPointer<TZuCardGroup>, 3> FRows;
    TMatchController& FController;
    bool FShown = false;
    TRow FRow = RowHand;
    int FSlot = -1;
    // The hand had no cards when last looked at: the ring went to the table.
    bool FHandWasEmpty = false;
};
