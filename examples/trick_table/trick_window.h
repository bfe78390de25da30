#pragma once

#include "cards/zucard.h"
#include "cards/zugraphics.h"

#include <QLabel>
#include <QWidget>

#include <array>

// A window where the player (south) and three computer hands play whist-like
// tricks: follow suit when you can, hearts are trumps and may not lead before
// one has been played, the highest trump or else the highest card of the led
// suit takes the trick, and taken aces and tens score.
class TTrickWindow : public QWidget {
public:
    // delays: pauses in milliseconds for the computer's play and the trick shown.
    explicit TTrickWindow(int delay);

    // Shuffles, deals thirteen cards to each hand and lets south lead.
    void NewDeal();
    // South plays its first card that the rules allow; false when it has none.
    bool PlayForSouth();
    TZuCardTable& Table() { return *FTable; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TZuCardGroup* AddHand(const QString& name, QPoint at, TZuCascadeSide side, TZuTablePos pos);
    int LegalSlot(TZuCardGroup& group) const;
    int TrickWinnerPlace() const;
    void TrickDone(bool handOver);
    void ShowScores();

    TZuSprite* FSprite = nullptr;
    TZuCardTable* FTable = nullptr;
    std::array<TZuCardGroup*, 4> FHands {}; // south, west, north, east: playing order
    TZuVirtualDeck FDeck;
    QLabel* FStatus = nullptr;
    int FDelay = 0;
    bool FHandOver = false;
};
