// The keyboard's focus ring over a group's card, and the group as assistive
// technology sees it: a list of slots with names and states (the events
// need a live accessibility bus: tests/accessibility).
#include "tests/cards/group_fixture.h"

#include "cards/group/zucard_group_accessible.h"

#include <QAccessible>
#include <QAccessibleInterface>

namespace {

// The ring's blues (its dashes and the navy between them), which no card
// face nor the green table shows.
bool IsRing(QColor c)
{
    return c.blue() >= 90 && c.red() < 100 && c.blue() > c.green();
}

// The ring's colour along the top edge of `ring`, in the painted widget.
int RingPixelsOnTop(const QImage& painted, const QRect& ring)
{
    int n = 0;
    for (int x = ring.left() + 8; x < ring.right() - 8; ++x)
        n += IsRing(painted.pixelColor(x, ring.top() + 1));
    return n;
}

QImage Painted(QWidget& w)
{
    return w.grab().toImage().scaled(w.size());
}

} // namespace

TEST_F(GroupTest, TheFocusRingRoundsWhatShowsOfTheFocusedCardInEveryCascade)
{
    for (TZuCascadeStyle style : { csNormal, csLoose, csTight })
        for (TZuCascadeSide side : { csRight, csDown }) {
            TZuCardGroup& group = Hand({ 10, 36, E, 20 }, style, side);
            group.SetAutoSize(true); // as the window's groups are
            EXPECT_EQ(group.FocusedSlot(), -1);
            EXPECT_TRUE(group.FocusRingRect().isEmpty()) << "no ring before a focus";
            for (int slot : { 0, 1, 3 }) {
                group.SetFocusedSlot(slot);
                const QRect ring = group.FocusRingRect();
                const QRect shown = Shown(group, slot);
                EXPECT_EQ(ring, shown) << style << side << slot;
                EXPECT_TRUE(group.rect().contains(ring));
                if (slot == 3) {
                    EXPECT_EQ(ring.size(), QSize(ZuCardWidth, ZuCardHeight)) << "the last, whole";
                }
            }
            group.SetFocusedSlot(2);
            EXPECT_TRUE(group.FocusRingRect().isEmpty()) << "an empty slot shows no ring";
            group.SetFocusedSlot(7);
            EXPECT_EQ(group.FocusedSlot(), -1) << "a slot out of range is no focus";
            delete &group;
        }
}

TEST_F(GroupTest, TheRingIsPaintedOverTheCardAndGoesWithTheFocus)
{
    TZuCardGroup& group = Hand({ 10, 36, 20 });
    group.SetAutoSize(true);
    const QImage before = Painted(group);
    group.SetFocusedSlot(1);
    const QRect ring = group.FocusRingRect();
    const QImage focused = Painted(group);
    EXPECT_GT(RingPixelsOnTop(focused, ring), ring.width() / 2) << "a blue band on the card's top";
    EXPECT_EQ(RingPixelsOnTop(before, ring), 0);
    // On a marked (inverted) card too.
    group.CardAt(1)->SetNegative(true);
    EXPECT_GT(RingPixelsOnTop(Painted(group), ring), ring.width() / 2);
    group.CardAt(1)->SetNegative(false);
    // The card's picture stays untouched: the ring is on the screen only.
    EXPECT_EQ(group.Bitmap().copy(Shown(group, 1)),
        before.copy(Shown(group, 1)).convertToFormat(group.Bitmap().format()));
    group.SetFocusedSlot(-1);
    EXPECT_EQ(RingPixelsOnTop(Painted(group), ring), 0);
    // The card under it emptied: nothing is ringed.
    group.SetFocusedSlot(0);
    group.CardAt(0)->SetEmpty(true);
    EXPECT_EQ(RingPixelsOnTop(Painted(group), Shown(group, 0)), 0);
}

TEST_F(GroupTest, AssistiveTechnologyReadsTheSlotsWithTheirWordsAndStates)
{
    TZuCardGroup& group = Hand({ 10, E, 36 });
    group.setAccessibleName(QStringLiteral("Talon"));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&group);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Talon"));
    // The empty slot is no item: a reader counts the cards the group holds.
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QStringLiteral("1"))
        << "without words a card reads as its slot";
    group.AccessibleCardText
        = [](const TZuSingleCard& card) { return QStringLiteral("card %1").arg(card.ID()); };
    QAccessibleInterface* first = list->child(0);
    EXPECT_EQ(first->role(), QAccessible::ListItem);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("card 10"));
    QAccessibleInterface* third = list->child(1);
    EXPECT_EQ(third->text(QAccessible::Name), QStringLiteral("card 36"));
    EXPECT_EQ(first->parent(), list);
    EXPECT_EQ(list->indexOfChild(third), 1) << "the second card held, the third slot";
    EXPECT_EQ(ZuCardPlace(group, 2), 1);
    EXPECT_EQ(ZuCardPlace(group, 1), -1);

    EXPECT_FALSE(first->state().invisible);
    EXPECT_FALSE(first->state().selected);
    group.CardAt(0)->SetNegative(true);
    EXPECT_TRUE(first->state().selected) << "a marked card is selected";
    EXPECT_FALSE(third->state().focused);
    group.SetFocusedSlot(2);
    EXPECT_TRUE(third->state().focused);
    EXPECT_EQ(list->focusChild(), third);
    const QRect shown = Shown(group, 2);
    EXPECT_EQ(third->rect(), QRect(group.mapToGlobal(shown.topLeft()), shown.size()));
    const QPoint middle = group.mapToGlobal(shown.center());
    EXPECT_EQ(list->childAt(middle.x(), middle.y()), third);

    // A card that comes is an item in its place; one that leaves takes its
    // item and moves the places after it.
    group.CardAt(1)->SetEmpty(false);
    group.CardAt(1)->SetID(5);
    ASSERT_EQ(list->childCount(), 3);
    EXPECT_EQ(list->indexOfChild(third), 2);
    group.CardAt(0)->SetEmpty(true);
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QStringLiteral("card 5"));
    EXPECT_EQ(list->indexOfChild(third), 1);
    EXPECT_EQ(list->indexOfChild(first), -1);
    group.CardList().Add().Card().SetID(20);
    ASSERT_EQ(list->childCount(), 3);
    EXPECT_EQ(list->child(2)->text(QAccessible::Name), QStringLiteral("card 20"));
    QAccessibleInterface* last = list->child(2);
    group.CardList().Delete(3);
    EXPECT_FALSE(last->isValid());
}
