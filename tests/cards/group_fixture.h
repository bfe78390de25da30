#pragma once

#include "cards/zucard.h"
#include "cards/zugraphics.h"

#include <QObject>
#include <QPalette>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

constexpr int E = 0; // in a list of IDs: a slot whose card is empty

inline const QColor TableGreen(0, 128, 0);

using Log = std::vector<std::string>;

// A card table that logs the cards groups hand to it; tests log their events
// into the same list to see the order.
class TFakeGroupTable : public QObject, public TZuCardTableLink {
public:
    int slot = 0;
    std::map<int, int> points; // ID -> points
    Log log;

    int CurrentSlot() const override { return slot; }
    void SetCurrentSlot(int s) override { slot = s; }
    QPoint TablePosition() const override { return { 200, 150 }; }
    void AddPlayedCard(TZuSingleCard& card, bool back, TZuCardGroup* group) override
    {
        log.push_back("table " + std::to_string(card.ID()) + (back ? " back" : "")
            + (group ? " from a group" : ""));
    }
    int PointsOf(int id) const override { return points.count(id) ? points.at(id) : 0; }
};

// Groups placed on a green form, as the game's window holds them.
class GroupTest : public ::testing::Test {
protected:
    GroupTest()
    {
        QPalette palette = form.palette();
        palette.setColor(QPalette::Window, TableGreen);
        form.setPalette(palette);
        form.resize(800, 700);
        form.show();
    }

    // A face-up group with one slot per ID; E gives an empty slot.
    TZuCardGroup& Hand(const std::vector<int>& ids, TZuCascadeStyle style = csNormal,
        TZuCascadeSide side = csRight)
    {
        auto* group = new TZuCardGroup(&form);
        group->SetShowBack(false);
        group->SetCascadeStyle(style);
        group->SetCascadeSide(side);
        group->show();
        for (int id : ids) {
            TZuSingleCard& card = group->CardList().Add().Card();
            if (id == E)
                card.SetEmpty(true);
            else
                card.SetID(id);
        }
        return *group;
    }

    static std::vector<int> IDs(const TZuCardGroup& group)
    {
        std::vector<int> ids;
        for (int i = 0; i < group.SlotCount(); ++i)
            ids.push_back(group.CardAt(i)->ID());
        return ids;
    }

    static QRect Shown(const TZuCardGroup& group, int slot)
    {
        return group.CardAt(slot)->BoundsRect();
    }

    QWidget form;
};
