#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>

class TZuCardGroup;

// The hand card a hint plays, raised above the hand and drawn whole inside a
// gold ring, so it reads at once even in a tight hand where the card itself
// shows only a strip, and never looks like a marked table card. A click on
// it is a click on the card.
class THintCard : public QWidget {
    Q_OBJECT
public:
    static constexpr int Ring = 3;
    // How far a computer's revealed card moves toward the table.
    static constexpr int Lift = 18;
    // How far the hint's card rises from the human's hand: enough to stand
    // out, little enough that the human's name row fits above it.
    static constexpr int HandLift = 8;

    explicit THintCard(QWidget* table);

    // The ring's colour and where the card is raised to from its place in
    // the hand (up by HandLift unless told otherwise). A card that is only shown
    // takes no clicks: they reach the hand beneath.
    void SetLook(const QColor& ring, QPoint lift, bool clickable);

    // Shows the card of `slot` of `hand` over it; -1 hides it. When the
    // keys' ring is on that card of the hand, the raised card shows it too,
    // inside its own ring: beneath, the raised card would hide it.
    void ShowSlot(TZuCardGroup* hand, int slot);
    int Slot() const { return FSlot; }
    std::function<void(int slot)> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage FPicture;
    QPointer<TZuCardGroup> FHand;
    QColor FRing;
    QPoint FLift { 0, -HandLift };
    int FSlot = -1;
};
