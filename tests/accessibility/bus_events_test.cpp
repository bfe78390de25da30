// The events a screen reader hears, with accessibility active on a live bus:
// a card's mark and the keyboard's focus, each move and each end of hand.
#include "tests/ui/main_window_fixture.h"

#include "cards/zucard.h"
#include "game/computer/computer_choice.h"
#include "game/rules/match_rules.h"
#include "ui/access/announcer.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "ui/window/seat_marks.h"

#include <QAccessible>
#include <QTest>

#include <vector>

namespace {

// What one object sent: each event's type, child and the name read then.
struct TEvent {
    QAccessible::Event type;
    int child;
    QString name;
};

class TRecorder {
public:
    explicit TRecorder(QObject* watched)
    {
        FWatched = watched;
        FEvents.clear();
        QAccessible::installUpdateHandler(&Handler);
    }
    ~TRecorder()
    {
        // Events go to the bus again.
        QAccessible::installUpdateHandler(nullptr);
        FWatched = nullptr;
    }
    const std::vector<TEvent>& Events() const { return FEvents; }
    void Clear() { FEvents.clear(); }
    bool Saw(QAccessible::Event type, int child) const
    {
        for (const TEvent& e : FEvents)
            if (e.type == type && e.child == child) return true;
        return false;
    }

private:
    static void Handler(QAccessibleEvent* e)
    {
        if (e->object() != FWatched) return;
        QAccessibleInterface* i = e->accessibleInterface();
        FEvents.push_back({ e->type(), e->child(), i ? i->text(QAccessible::Name) : QString() });
    }
    static inline QObject* FWatched = nullptr;
    static inline std::vector<TEvent> FEvents;
};

} // namespace

TEST(BusEvents, AMarkAnEmptiedSlotAndTheFocusRingAreSentForTheirSlot)
{
    AcquireCardPictures();
    QWidget form;
    form.show();
    auto* group = new TZuCardGroup(&form);
    group->SetShowBack(false);
    for (int id : { 10, 36, 20 })
        group->CardList().Add().Card().SetID(id);
    group->show();
    group->AccessibleCardText = [](const TZuSingleCard& card) {
        return QStringLiteral("%1%2").arg(card.ID()).arg(card.Negative() ? " marked" : "");
    };
    TRecorder recorded(group);
    group->CardAt(1)->SetNegative(true);
    EXPECT_TRUE(recorded.Saw(QAccessible::StateChanged, 1));
    EXPECT_TRUE(recorded.Saw(QAccessible::NameChanged, 1));
    EXPECT_FALSE(recorded.Saw(QAccessible::StateChanged, 0));
    ASSERT_FALSE(recorded.Events().empty());
    EXPECT_EQ(recorded.Events().back().name, QStringLiteral("36 marked"));
    recorded.Clear();
    group->CardAt(2)->SetEmpty(true);
    // The emptied slot is no item any more: the list says its items changed.
    EXPECT_TRUE(recorded.Saw(QAccessible::ObjectReorder, -1));
    EXPECT_FALSE(recorded.Saw(QAccessible::StateChanged, 2));
    recorded.Clear();
    group->SetFocusedSlot(0);
    EXPECT_TRUE(recorded.Saw(QAccessible::Focus, 0));
    recorded.Clear();
    group->SetFocusedSlot(0);
    EXPECT_TRUE(recorded.Events().empty()) << "the same focus again is no event";
    ReleaseCardPictures();
}

class BusWindowTest : public MainWindowTest { };

TEST_F(BusWindowTest, EveryMoveAndEveryEndOfHandOfAMatchIsAnnounced)
{
    SetOptions([](TIni& s) { s.NumberOfPlayers = kTwoPlayers; });
    TForm1& w = Make();
    sink.shown.confirmReply = true;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    CloseHandEndDialogs();
    TRecorder recorded(w.Announcer());
    if (w.StartItemEnabled()) w.Pocniigru1Click();
    WaitIdle();
    int moves = Controller().State().MovesMade;
    while (!Controller().GameOver()) {
        CarefulHumanMove();
        WaitIdle();
    }
    moves = Controller().State().MovesMade;
    int said = 0, handEnds = 0, computerMoves = 0;
    const QString computer = w.PlayerN->PlayerName() + ' ';
    for (const TEvent& e : recorded.Events()) {
        if (e.type != QAccessible::NameChanged || e.name.isEmpty()) continue;
        ++said;
        handEnds += e.name.startsWith(QStringLiteral("Kraj ruke. "));
        computerMoves += e.name.startsWith(computer);
    }
    EXPECT_EQ(handEnds, Controller().State().HandsPlayed);
    EXPECT_EQ(said, moves + handEnds) << "one announcement a move, one an end of hand";
    EXPECT_GT(computerMoves, moves / 3);
}
