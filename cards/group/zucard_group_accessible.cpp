#include "cards/group/zucard_group_accessible.h"

#include "cards/group/zucard_group.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include <vector>

namespace {

// One slot of a group. It holds the group weakly: the slot may outlive it in
// the accessibility cache for a moment.
class TZuCardAccessible : public QAccessibleInterface {
public:
    TZuCardAccessible(TZuCardGroup* group, int slot)
        : FGroup(group)
        , FSlot(slot)
    {
    }
    bool isValid() const override { return FGroup && FSlot < FGroup->SlotCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return FGroup && FGroup->window() ? FGroup->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return FGroup ? QAccessible::queryAccessibleInterface(FGroup.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid()) return {};
        const TZuSingleCard& card = *FGroup->CardAt(FSlot);
        if (card.Empty()) return {};
        return FGroup->AccessibleCardText ? FGroup->AccessibleCardText(card)
                                          : QString::number(FSlot + 1);
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        if (!isValid()) return {};
        const QRect shown = FGroup->CardAt(FSlot)->BoundsRect();
        return QRect(FGroup->mapToGlobal(shown.topLeft()), shown.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const TZuSingleCard& card = *FGroup->CardAt(FSlot);
        s.invisible = card.Empty() || !FGroup->isVisible();
        s.focusable = true;
        s.selectable = true;
        s.selected = card.Negative();
        s.focused = FGroup->FocusedSlot() == FSlot;
        return s;
    }

private:
    QPointer<TZuCardGroup> FGroup;
    int FSlot;
};

class TZuCardGroupAccessible : public QAccessibleWidget {
public:
    explicit TZuCardGroupAccessible(TZuCardGroup* group)
        : QAccessibleWidget(group, QAccessible::List)
    {
    }
    ~TZuCardGroupAccessible() override
    {
        for (QAccessible::Id id : FSlots)
            QAccessible::deleteAccessibleInterface(id);
    }
    // Only the cards the group holds are items: a reader counts what is
    // there, and a card's place in the hand is the number key that plays it.
    int childCount() const override { return int(HeldSlots().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const std::vector<int> held = HeldSlots();
        if (index < 0 || index >= int(held.size())) return nullptr;
        return SlotInterface(held[std::size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (std::size_t slot = 0; slot < FSlots.size(); ++slot)
            if (QAccessible::accessibleInterface(FSlots[slot]) == child)
                return ZuCardPlace(*Group(), int(slot));
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = Group()->mapFromGlobal(QPoint(x, y));
        const int slot = Group()->HitTest(at.x(), at.y());
        return ZuCardPlace(*Group(), slot) >= 0 ? SlotInterface(slot) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const int slot = Group()->FocusedSlot();
        return ZuCardPlace(*Group(), slot) >= 0 ? SlotInterface(slot) : nullptr;
    }

private:
    TZuCardGroup* Group() const { return static_cast<TZuCardGroup*>(widget()); }
    std::vector<int> HeldSlots() const
    {
        std::vector<int> held;
        for (int slot = 0; slot < Group()->SlotCount(); ++slot)
            if (!Group()->CardAt(slot)->Empty()) held.push_back(slot);
        return held;
    }
    // Each slot's interface is made once and kept for as long as the group's.
    QAccessibleInterface* SlotInterface(int slot) const
    {
        while (int(FSlots.size()) <= slot)
            FSlots.push_back(QAccessible::registerAccessibleInterface(
                new TZuCardAccessible(Group(), int(FSlots.size()))));
        return QAccessible::accessibleInterface(FSlots[std::size_t(slot)]);
    }
    mutable std::vector<QAccessible::Id> FSlots;
};

QAccessibleInterface* CardGroupFactory(const QString&, QObject* object)
{
    if (auto* group = qobject_cast<TZuCardGroup*>(object)) return new TZuCardGroupAccessible(group);
    return nullptr;
}

} // namespace

void ZuInstallCardAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(CardGroupFactory);
        return true;
    }();
    (void)installed;
}

int ZuCardPlace(const TZuCardGroup& group, int slot)
{
    if (slot < 0 || slot >= group.SlotCount() || group.CardAt(slot)->Empty()) return -1;
    int place = 0;
    for (int s = 0; s < slot; ++s)
        place += !group.CardAt(s)->Empty();
    return place;
}

void ZuNotifyCardChanged(TZuCardGroup& group, int slot)
{
    const int place = ZuCardPlace(group, slot);
    if (place < 0) {
        // A card left: the list has one item fewer, and the places after it moved.
        QAccessibleEvent reorder(&group, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
        return;
    }
    QAccessible::State changed;
    changed.selected = true;
    changed.invisible = true;
    QAccessibleStateChangeEvent state(&group, changed);
    state.setChild(place);
    QAccessible::updateAccessibility(&state);
    QAccessibleEvent name(&group, QAccessible::NameChanged);
    name.setChild(place);
    QAccessible::updateAccessibility(&name);
}

void ZuNotifyCardFocus(TZuCardGroup& group, int slot)
{
    const int place = ZuCardPlace(group, slot);
    if (place < 0) return;
    QAccessibleEvent focus(&group, QAccessible::Focus);
    focus.setChild(place);
    QAccessible::updateAccessibility(&focus);
}
