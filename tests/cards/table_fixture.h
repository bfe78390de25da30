#pragma once

#include "tests/cards/group_fixture.h"

#include <string>

// A card table on the green form with players' groups linked to it, as a
// trick-taking program sets them up.
class TableTest : public GroupTest {
protected:
    TableTest()
    {
        table = new TZuCardTable(&form);
        table->move(300, 250);
        table->show();
        table->GameOptions().SetTakeDelay(0);
        table->ClearTable(false);
    }
    ~TableTest() override { EXPECT_EQ(AnimationLockCount(), 0u); }

    // A face-up player group at `at`, linked to the table and listed as a player.
    TZuCardGroup& Player(const std::vector<int>& ids, TZuController controller = ctComputer,
        TZuTablePos pos = tpAuto)
    {
        TZuCardGroup& group = Hand(ids);
        group.move(20, 20 + 110 * table->PlayerCount());
        group.SetController(controller);
        group.SetTablePlayPos(pos);
        group.SetTable(table);
        table->PlayerList().Add(&group);
        return group;
    }

    // The table's places as IDs, 0 for an empty place.
    std::vector<int> Places() const
    {
        std::vector<int> ids;
        for (int place = 0; place < TZuCardTable::Places; ++place) {
            const TZuSingleCard* card = table->CardAtPlace(place);
            ids.push_back(card->Empty() ? 0 : card->ID());
        }
        return ids;
    }

    TZuCardTable* table = nullptr; // owned by the form
};
