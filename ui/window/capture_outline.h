#pragma once

#include "game/rules/match_state.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class TZuCardGroup;

// In the modern look, the table cards that the hand card under the pointer
// (or, with the pointer elsewhere, under the keyboard's ring) could take are
// outlined, so a player sees a capture before making it. Lies over the whole
// table and lets every press through to the cards beneath.
class TCaptureOutline : public QWidget {
    Q_OBJECT
public:
    // Watches `hand` for the pointer and the ring, and it and `rows` (upper,
    // lower) for every change of their cards.
    TCaptureOutline(QWidget* table, TZuCardGroup* hand, std::array<TZuCardGroup*, 2> rows);

    // The table cards the human's card in a hand slot would take; empty when
    // none (or when the human is not to move).
    std::function<std::vector<TTableSlot>(int handSlot)> CaptureOf;

    void SetOn(bool on);
    bool On() const { return FOn; }
    // The hand slot whose capture is outlined: the pointed card, else the
    // ring's; -1 for none.
    int PointedSlot() const;
    // The outlined cards, in the table's coordinates.
    const std::vector<QRect>& Outlined() const { return FRects; }
    // Looks again at the hand and the table.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QRect> CardsToOutline() const;

    TZuCardGroup* FHand;
    std::array<TZuCardGroup*, 2> FRows;
    bool FOn = false;
    int FHover = -1;
    std::vector<QRect> FRects;
};
