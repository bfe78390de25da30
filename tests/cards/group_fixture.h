#pragma once

#include "cards/zucard.h"
#include "cards/zugraphics.h"

#include <QObject>
#include <QPalette>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

constexpr int EmptySlot = 0; // in a list of IDs: a slot whose card is empty

inline const QColor TableGreen(0, 128, 0);

// A card table that records what groups hand to it.
class TFakeGroupTable : public QObject, public TZuCardTableLink {
public:
    int slot = 0;
    std::map<int, int> points; // ID -> points
    std::vector<int> played;
    std::vector<bool> playedBack;
    std::vector<TZuCardGroup*> playedFrom;
    std::vector<std::string>* log = nullptr;

    int CurrentSlot() const override { return slot; }
    void SetCurrentSlot(int s) override { slot = s; }
    QPoint TablePosition() const override { return { 200, 150 }; }
    void AddPlayedCard(TZuSingleCard& card, bool back, TZuCardGroup* group) override
    {
        played.push_back(card.ID());
        playedBack.push_back(back);
        playedFrom.push_back(group);
        if (log) log->push_back("table");
    }
    int PointsOf(int id) const override
    {
        const auto it = points.find(id);
        return it == points.end() ? 0 : it->second;
    }
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

    // A face-up group with one slot per ID; EmptySlot gives an empty slot.
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
            if (id == EmptySlot)
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
