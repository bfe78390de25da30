// What a screen reader reads of the window: the cards by name (face-down
// cards only as cards), marks, seats and the seat on turn, the status bar,
// the score cells and each move in words.
#include "tests/ui/main_window_fixture.h"

#include "tools/screenshots/window_positions.h"
#include "ui/access/announcer.h"
#include "ui/access/card_words.h"
#include "ui/score_grid/score_grid.h"
#include "ui/window/score_panel.h"
#include "ui/window/seat_marks.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

namespace {

QString Name(QObject* object)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(object);
    return i ? i->text(QAccessible::Name) : QStringLiteral("<none>");
}

// The list item at `place`: the cards a group holds, left to right.
QAccessibleInterface* Item(TZuCardGroup* group, int place)
{
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(group);
    return list ? list->child(place) : nullptr;
}

int Items(TZuCardGroup* group)
{
    return QAccessible::queryAccessibleInterface(group)->childCount();
}

constexpr auto Spade = [](int value) { return CardId(TIdSuit::Spades, value); };
constexpr auto Heart = [](int value) { return CardId(TIdSuit::Hearts, value); };
constexpr auto Diamond = [](int value) { return CardId(TIdSuit::Diamonds, value); };
constexpr auto Club = [](int value) { return CardId(TIdSuit::Clubs, value); };

} // namespace

TEST(CardWords, CardsListsAndMovesReadAsSentences)
{
    EXPECT_EQ(CardWords::Card(Spade(13)), QStringLiteral("kralj pik"));
    EXPECT_EQ(CardWords::Card(Diamond(5)), QStringLiteral("5 karo"));
    EXPECT_EQ(CardWords::Card(Heart(11)), QStringLiteral("zandar herc"));
    EXPECT_EQ(CardWords::Card(Club(14)), QStringLiteral("as tref"));
    EXPECT_EQ(CardWords::Card(Club(12)), QStringLiteral("dama tref"));
    EXPECT_EQ(CardWords::Card(Club(10)), QStringLiteral("10 tref"));
    EXPECT_EQ(CardWords::List({ Diamond(5) }), QStringLiteral("5 karo"));
    EXPECT_EQ(CardWords::List({ Diamond(5), Heart(8) }), QStringLiteral("5 karo i 8 herc"));
    EXPECT_EQ(CardWords::List({ Diamond(5), Heart(8), Club(14) }),
        QStringLiteral("5 karo, 8 herc i as tref"));
    EXPECT_EQ(CardWords::Move(QStringLiteral("Mika"), Spade(13), { Diamond(5), Heart(8) }),
        QStringLiteral("Mika nosi 5 karo i 8 herc kartom kralj pik"));
    EXPECT_EQ(CardWords::Move(QStringLiteral("Mika"), Spade(2), {}),
        QStringLiteral("Mika stavlja 2 pik na talon"));
}

class AccessibleNamesTest : public MainWindowTest { };

TEST_F(AccessibleNamesTest, CardsSeatsStatusAndScoreCellsHaveTheirNamesAndStates)
{
    TForm1& w = Make();
    sink.shown.confirmReply = false;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Controller().ShowState(OpenPosition(SeatS));

    // The human's cards by name; the computers' only as cards.
    QAccessibleInterface* ace = Item(w.PlayerS, 0);
    ASSERT_TRUE(ace);
    EXPECT_EQ(ace->text(QAccessible::Name), QStringLiteral("as pik"));
    EXPECT_EQ(ace->role(), QAccessible::ListItem);
    // A played slot is no item: the items count the cards held, and an
    // item's place is the number key that plays it (3, the queen of clubs).
    EXPECT_EQ(Items(w.PlayerS), 5);
    EXPECT_EQ(Item(w.PlayerS, 2)->text(QAccessible::Name), QStringLiteral("dama tref"));
    EXPECT_EQ(Items(w.Talon1), 2);
    EXPECT_EQ(Items(w.Talon2), 3);
    for (TZuCardGroup* seat : { w.PlayerW, w.PlayerN, w.PlayerE })
        for (int place = 0; place < kHandSlots; ++place)
            EXPECT_EQ(Item(seat, place)->text(QAccessible::Name), QStringLiteral("okrenuta karta"));

    // A marked table card says so, and is selected.
    QAccessibleInterface* four = Item(w.Talon1, 0);
    EXPECT_EQ(four->text(QAccessible::Name), QStringLiteral("4 pik"));
    bool playIt = false, faceDown = false;
    TZuTablePos pos = tpAuto;
    w.Talon1->OnCardClick(w.Talon1, w.Talon1->CardAt(2), 2, playIt, pos, faceDown, Qt::LeftButton);
    EXPECT_EQ(four->text(QAccessible::Name), QStringLiteral("4 pik, oznacena"));
    EXPECT_TRUE(four->state().selected);

    // Rows and seats.
    EXPECT_EQ(Name(w.Talon1), QStringLiteral("Talon, gornji red"));
    EXPECT_EQ(Name(w.Talon2), QStringLiteral("Talon, donji red"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.Talon2)->role(), QAccessible::List);
    EXPECT_EQ(Name(w.PlayerS), QStringLiteral("Tvoje karte"));
    const QString west = w.PlayerW->PlayerName();
    EXPECT_EQ(Name(w.PlayerW), QStringLiteral("Karte: %1").arg(west));
    const QString me = w.PlayerS->PlayerName();
    EXPECT_EQ(Name(w.PlayerS->PlayerNameLabel()), QStringLiteral("Na potezu: %1").arg(me));
    EXPECT_EQ(Name(w.PlayerW->PlayerNameLabel()), west);
    EXPECT_EQ(Name(w.StatusPanel(1)), QStringLiteral("Na potezu: %1").arg(me));
    Controller().ShowState(OpenPosition(SeatW));
    EXPECT_EQ(Name(w.PlayerS->PlayerNameLabel()), me);
    EXPECT_EQ(Name(w.PlayerW->PlayerNameLabel()), QStringLiteral("Na potezu: %1").arg(west));

    // Score cells read with their row and column.
    Controller().ShowState(GrownTablePosition());
    TPubStrGrid* grid = w.ScorePanel(Controller().ActiveScoreGrid())->Grid();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    ASSERT_TRUE(table && table->tableInterface());
    QAccessibleInterface* total = table->tableInterface()->cellAt(1, 4);
    ASSERT_TRUE(total);
    EXPECT_EQ(total->text(QAccessible::Name),
        QStringLiteral("%1, Total: %2").arg(grid->Cells(0, 1), grid->Cells(4, 1)));
    EXPECT_EQ(grid->Cells(4, 1), QStringLiteral("3"));
}

TEST_F(AccessibleNamesTest, EachMoveIsPutInWordsBesideItsSeatAndAnnounced)
{
    TForm1& w = Make();
    sink.shown.confirmReply = false;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Controller().ShowState(OpenPosition(SeatS));
    TAnnouncer* announcer = w.Announcer();
    ASSERT_TRUE(announcer);
    EXPECT_TRUE(announcer->isVisible()) << "a hidden object is not read";
    EXPECT_LE(announcer->width() * announcer->height(), 1);
    bool playIt = false, faceDown = false;
    TZuTablePos pos = tpAuto;
    for (int slot : { 2, 3 })
        w.Talon1->OnCardClick(
            w.Talon1, w.Talon1->CardAt(slot), slot, playIt, pos, faceDown, Qt::LeftButton);
    w.PlayerS->OnCardClick(
        w.PlayerS, w.PlayerS->CardAt(0), 0, playIt, pos, faceDown, Qt::LeftButton);
    const QString me = w.PlayerS->PlayerName();
    EXPECT_EQ(Name(w.SeatMarks()->Mark(SeatS)),
        QStringLiteral("%1 nosi 4 pik i 7 herc kartom as pik").arg(me));
    WaitIdle();
    // The last word is the last computer's move, as its mark beside it reads.
    const int last = Controller().State().LastPlayer;
    ASSERT_NE(last, SeatS);
    EXPECT_EQ(Name(announcer), Name(w.SeatMarks()->Mark(last)));
    EXPECT_TRUE(Name(announcer).startsWith(Controller().Seat(last)->PlayerName() + ' '));
}
