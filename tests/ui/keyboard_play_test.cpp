// Playing by keys: the focus ring over every layout of hand and table, marks
// and moves by Space, Enter, the number keys and Escape, the keys refused
// off the human's turn, and a whole match played by key presses alone.
#include "tests/ui/main_window_fixture.h"

#include "game/computer/computer_choice.h"
#include "game/rules/match_rules.h"
#include "tools/screenshots/window_positions.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "ui/window/hint_card.h"
#include "ui/access/keyboard_play.h"

#include <QLabel>
#include <QMenu>
#include <QTest>

#include <set>
#include <utility>

namespace {

using TPlace = std::pair<int, int>; // keyboard row, slot

constexpr auto Spade = [](int value) { return CardId(TIdSuit::Spades, value); };
constexpr auto Heart = [](int value) { return CardId(TIdSuit::Hearts, value); };
constexpr auto Diamond = [](int value) { return CardId(TIdSuit::Diamonds, value); };

// The hue (0-359) of the colour at `at` in the widget as painted.
int HueAt(QWidget& widget, QPoint at)
{
    return widget.grab().toImage().scaled(widget.size()).pixelColor(at).hue();
}

int MarkCount(TForm1& w)
{
    int marks = 0;
    for (TZuCardGroup* row : { w.Talon1, w.Talon2 })
        for (int slot = 0; slot < row->SlotCount(); ++slot)
            marks += !row->CardAt(slot)->Empty() && row->CardAt(slot)->Negative();
    return marks;
}

// `cards` cards spread over a hand, leaving gaps where a hand has had cards played.
THand HandOf(int cards, int firstId)
{
    THand hand {};
    const int order[] = { 1, 4, 0, 3, 5, 2 };
    for (int i = 0; i < cards; ++i)
        hand[order[i]] = firstId + i;
    return hand;
}

// A table of `cards` cards over two rows, each row at least six slots and
// grown by the cards beyond; every third slot of the first six stays empty.
std::array<std::vector<int>, 2> TableOf(int cards, int firstId)
{
    std::array<std::vector<int>, 2> rows { std::vector<int>(kRowSlots, kNoCard),
        std::vector<int>(kRowSlots, kNoCard) };
    int id = firstId;
    for (int i = 0; i < cards; ++i) {
        std::vector<int>& row = rows[i % 2];
        const auto free = std::find_if(row.begin(), row.end(),
            [&](int c) { return c == kNoCard && (&c - row.data()) % 3 != 2; });
        if (free != row.end())
            *free = id++;
        else
            row.push_back(id++);
    }
    return rows;
}

} // namespace

class KeyboardPlayTest : public MainWindowTest {
protected:
    TForm1& Shown(const TMatchState& state) { return ShownAt(state); }
    void Key(Qt::Key key) { QTest::keyClick(form.get(), key); }
    TKeyboardPlay& Keys() const { return *form->Keys(); }
    TPlace At() const { return { Keys().Row(), Keys().Slot() }; }
    TZuCardGroup* Row(int row) const { return Keys().Group(TKeyboardPlay::TRow(row)); }
    // The ring is where the keyboard says, on a card, and nowhere else.
    void ExpectOneRing() const
    {
        int rings = 0;
        for (int row = 0; row < 3; ++row)
            if (Row(row)->FocusedSlot() >= 0) {
                ++rings;
                EXPECT_EQ(row, Keys().Row());
                EXPECT_EQ(Row(row)->FocusedSlot(), Keys().Slot());
                EXPECT_FALSE(Row(row)->CardAt(Keys().Slot())->Empty());
                EXPECT_FALSE(Row(row)->FocusRingRect().isEmpty());
            }
        EXPECT_EQ(rings, 1);
    }
    std::vector<int> CardSlots(int row) const
    {
        std::vector<int> slots;
        for (int slot = 0; slot < Row(row)->SlotCount(); ++slot)
            if (!Row(row)->CardAt(slot)->Empty()) slots.push_back(slot);
        return slots;
    }
    // Right from Home visits the row's cards in order, then stays on the last.
    void ExpectRowWalk(int row)
    {
        const std::vector<int> cards = CardSlots(row);
        Key(Qt::Key_Home);
        std::vector<int> visited { Keys().Slot() };
        for (std::size_t i = 0; i < cards.size(); ++i) {
            Key(Qt::Key_Right);
            ExpectOneRing();
            if (Keys().Slot() != visited.back()) visited.push_back(Keys().Slot());
        }
        EXPECT_EQ(visited, cards) << "row " << row;
        Key(Qt::Key_End);
        EXPECT_EQ(Keys().Slot(), cards.back());
        Key(Qt::Key_Left);
        if (cards.size() > 1) {
            EXPECT_EQ(Keys().Slot(), cards[cards.size() - 2]);
        }
    }
};

TEST_F(KeyboardPlayTest, TheRingWalksEveryRowOfEveryLayoutAndSkipsEmptyRows)
{
    for (int mode : { kEachForHimself, kTwoPlayers })
        for (int handCards = 0; handCards <= kHandSlots; ++handCards)
            for (int tableCards : { 0, 1, 5, 8, 12, 20 }) {
                SCOPED_TRACE(::testing::Message()
                    << "mode " << mode << ", hand " << handCards << ", table " << tableCards);
                std::array<THand, kSeatCount> hands {};
                hands[SeatS] = HandOf(handCards, 2);
                const auto rows = TableOf(tableCards, 20);
                TForm1& w = Shown(SheetPosition(mode, rows[0], rows[1], hands, SeatS, {}));
                ASSERT_EQ(w.Talon1->SlotCount(), int(rows[0].size()));
                EXPECT_FALSE(Keys().Shown());
                Key(Qt::Key_Right); // the first key shows the ring, on the first card
                if (handCards + tableCards == 0) {
                    EXPECT_FALSE(Keys().Shown());
                    continue;
                }
                ExpectOneRing();
                // From the hand up through every row with cards, then back down.
                std::vector<int> rowsUp;
                Key(Qt::Key_Down);
                for (int i = 0; i < 3; ++i) {
                    if (rowsUp.empty() || rowsUp.back() != Keys().Row()) {
                        rowsUp.push_back(Keys().Row());
                        ExpectRowWalk(Keys().Row());
                    }
                    Key(Qt::Key_Up);
                }
                std::vector<int> withCards;
                for (int row = 0; row < 3; ++row)
                    if (!CardSlots(row).empty()) withCards.push_back(row);
                EXPECT_EQ(rowsUp, withCards);
                for (int i = 0; i < 3; ++i)
                    Key(Qt::Key_Down);
                EXPECT_EQ(Keys().Row(), withCards.front());
                ExpectOneRing();
            }
}

TEST_F(KeyboardPlayTest, UpAndDownKeepTheColumnAndAMousePressTakesTheRingAway)
{
    TForm1& w = Shown(OpenPosition(SeatS));
    Key(Qt::Key_End); // the first key shows the ring on the hand's first card
    EXPECT_EQ(At(), TPlace(TKeyboardPlay::RowHand, 0));
    Key(Qt::Key_Up);
    // The lower row's cards are slots 2..4: above the hand's first card, its left end.
    EXPECT_EQ(At(), TPlace(TKeyboardPlay::RowLower, 2));
    Key(Qt::Key_Down);
    Key(Qt::Key_End);
    EXPECT_EQ(At(), TPlace(TKeyboardPlay::RowHand, 5));
    Key(Qt::Key_Up);
    EXPECT_GT(Keys().Slot(), 2) << "above the hand's last card, right of the row's first";
    Key(Qt::Key_Up);
    EXPECT_EQ(At(), TPlace(TKeyboardPlay::RowUpper, 3));
    Key(Qt::Key_Up);
    EXPECT_EQ(At(), TPlace(TKeyboardPlay::RowUpper, 3)) << "nothing above the upper row";
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    EXPECT_EQ(At(), TPlace(TKeyboardPlay::RowUpper, 2)) << "the row's first card stops the ring";
    // A mouse press takes the ring away; the next key brings it back.
    QTest::mousePress(&w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 200));
    EXPECT_FALSE(Keys().Shown());
    EXPECT_EQ(w.Talon1->FocusedSlot(), -1);
    Key(Qt::Key_Left);
    EXPECT_TRUE(Keys().Shown());
}

TEST_F(KeyboardPlayTest, SpaceMarksEnterCapturesEscapeClearsAndANumberLaysDown)
{
    TForm1& w = Shown(OpenPosition(SeatS));
    Key(Qt::Key_Up); // shows the ring on the hand
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    Key(Qt::Key_Home);
    ASSERT_EQ(At(), TPlace(TKeyboardPlay::RowUpper, 2));
    Key(Qt::Key_Space);
    EXPECT_TRUE(w.Talon1->CardAt(2)->Negative());
    Key(Qt::Key_Space);
    EXPECT_FALSE(w.Talon1->CardAt(2)->Negative()) << "a second space unmarks";
    Key(Qt::Key_Space);
    Key(Qt::Key_Right);
    Key(Qt::Key_Space);
    EXPECT_EQ(MarkCount(w), 2);
    Key(Qt::Key_Escape);
    EXPECT_EQ(MarkCount(w), 0);
    EXPECT_EQ(Controller().Selection().Count(), 0);
    Key(Qt::Key_Space);
    Key(Qt::Key_Left);
    Key(Qt::Key_Space);
    ASSERT_EQ(MarkCount(w), 2);
    // Down to the hand and onto the ace of spades; Enter takes 4 and 7 with it.
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Home);
    Key(Qt::Key_Space); // space on a hand card marks nothing and plays nothing
    EXPECT_EQ(Controller().State().MovesMade, 0);
    Key(Qt::Key_Return);
    WaitIdle();
    const std::vector<int>& taken = Controller().State().taken[SeatS];
    for (int id : { Spade(4), Heart(7), Spade(14) })
        EXPECT_NE(std::find(taken.begin(), taken.end(), id), taken.end()) << id;
    EXPECT_EQ(Controller().SavedMatch().lastMoves[SeatS].playedId, Spade(14));

    // The number keys count the cards the hand shows: 1 is now the 8 of
    // diamonds, which goes to the table with nothing marked.
    ASSERT_EQ(Controller().State().CurrentPlayer, SeatS);
    ASSERT_EQ(w.PlayerS->CardAt(1)->ID(), Diamond(8));
    Key(Qt::Key_1);
    WaitIdle();
    EXPECT_EQ(Controller().SavedMatch().lastMoves[SeatS].playedId, Diamond(8));
    EXPECT_TRUE(Controller().SavedMatch().lastMoves[SeatS].takenIds.empty());
    EXPECT_TRUE(Keys().Row() != TKeyboardPlay::RowHand || !Row(0)->CardAt(Keys().Slot())->Empty())
        << "the ring left the played card";
}

TEST_F(KeyboardPlayTest, KeysOffTheHumansTurnAreRefusedWithTheReason)
{
    TForm1& w = Shown(OpenPosition(SeatW));
    const QString west = w.PlayerW->PlayerName();
    // The hint (H) and taking back (Ctrl+Z) give the same reason as the keys
    // that play.
    const std::pair<Qt::Key, Qt::KeyboardModifier> keys[] = { { Qt::Key_Right, Qt::NoModifier },
        { Qt::Key_Space, Qt::NoModifier }, { Qt::Key_Return, Qt::NoModifier },
        { Qt::Key_1, Qt::NoModifier }, { Qt::Key_Escape, Qt::NoModifier },
        { Qt::Key_H, Qt::NoModifier }, { Qt::Key_Z, Qt::ControlModifier } };
    for (const auto& [key, modifier] : keys) {
        w.StatusPanel(2)->clear();
        QTest::keyClick(&w, key, modifier);
        EXPECT_EQ(w.StatusPanel(2)->text(), QStringLiteral("Na potezu je %1").arg(west)) << key;
        EXPECT_FALSE(Keys().Shown());
    }
    EXPECT_EQ(Controller().State().MovesMade, 0);
    EXPECT_EQ(Controller().HintSlot(), -1);

    // Before a computer opens a new match: the start is the reason.
    for (std::uint64_t seed = 1; seed < 200 && !w.StartItemEnabled(); ++seed) {
        FixRandomSeed(seed);
        w.New1Click();
    }
    ASSERT_TRUE(w.StartItemEnabled());
    Key(Qt::Key_3);
    EXPECT_TRUE(w.StatusPanel(2)->text().startsWith(QStringLiteral("Partija jos nije pocela")));
    EXPECT_EQ(Controller().State().MovesMade, 0);
    // The window's own keys still work: T hides the score table.
    const bool shown = Controller().ScoreTableShown();
    Key(Qt::Key_T);
    EXPECT_NE(Controller().ScoreTableShown(), shown);
}

TEST_F(KeyboardPlayTest, AWholeMatchIsPlayedByKeysAlone)
{
    SetOptions([](TIni& s) { s.NumberOfPlayers = kPairs; });
    TForm1& w = Make();
    sink.shown.confirmReply = true;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    // The end-of-hand dialog closes by its default button, as Enter presses it.
    int dialogsClosed = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (!TFDeckOverInfoDlg::AnyOpen()) return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++dialogsClosed;
            QTest::keyClick(modal, Qt::Key_Return);
        }
    });
    closer.start(1);
    if (w.StartItemEnabled()) w.Pocniigru1Click();
    WaitIdle();
    int moves = 0;
    for (int turn = 0; !Controller().GameOver() && turn < 2000; ++turn) {
        const TMatchState& state = Controller().State();
        ASSERT_EQ(state.CurrentPlayer, SeatS);
        const TComputerChoice choice
            = ChooseComputerMove(state.hands[SeatS], TableIds(state), csPametno, 1);
        const std::vector<TTableSlot> places = TableSlots(state);
        Key(Qt::Key_Home); // shows the ring where it was, or on the first card
        for (int position : choice.tablePositions) {
            const TTableSlot place = places.at(position);
            const int row = place.row == 0 ? TKeyboardPlay::RowUpper : TKeyboardPlay::RowLower;
            for (int i = 0; i < 3 && Keys().Row() != row; ++i)
                Key(Keys().Row() < row ? Qt::Key_Up : Qt::Key_Down);
            Key(Qt::Key_Home);
            for (int i = 0; i < 30 && Keys().Slot() != place.slot; ++i)
                Key(Qt::Key_Right);
            ASSERT_EQ(At(), TPlace(row, place.slot));
            Key(Qt::Key_Space);
        }
        ASSERT_EQ(MarkCount(w), int(choice.tablePositions.size()));
        if (turn % 2 == 0) {
            // By its number among the cards shown.
            int nth = 0;
            for (int slot = 0; slot < choice.handSlot; ++slot)
                nth += state.hands[SeatS][slot] != kNoCard;
            Key(Qt::Key(Qt::Key_1 + nth));
        } else {
            for (int i = 0; i < 3; ++i)
                Key(Qt::Key_Down);
            Key(Qt::Key_Home);
            for (int i = 0; i < 6 && Keys().Slot() != choice.handSlot; ++i)
                Key(Qt::Key_Right);
            Key(Qt::Key_Enter);
        }
        ++moves;
        WaitIdle();
        ASSERT_TRUE(CardsConserved(Controller().State()));
    }
    ASSERT_TRUE(Controller().GameOver());
    EXPECT_EQ(dialogsClosed, Controller().State().HandsPlayed);
    EXPECT_GT(moves, 20);
    EXPECT_TRUE(sink.shown.errors.empty());
    ASSERT_FALSE(sink.shown.information.empty());
    EXPECT_EQ(sink.shown.information.back().rfind("Partija je gotova. Pobednik: ", 0), 0u);
}

TEST_F(KeyboardPlayTest, CtrlZTakesTheMoveBackAndTheMenuOffersItOnlyWhenItCan)
{
    TForm1& w = Shown(OpenPosition(SeatS));
    QAction* undo = w.Menu().Undo;
    ASSERT_TRUE(undo);
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QMenu* game = w.Menu().Game;
    ASSERT_TRUE(game);
    EXPECT_TRUE(game->actions().contains(undo));
    auto offered = [&] {
        game->aboutToShow();
        const bool enabled = undo->isEnabled();
        game->aboutToHide();
        return enabled;
    };
    EXPECT_FALSE(offered()) << "no move to take back yet";
    const TMatchState start = Controller().State();
    Key(Qt::Key_1); // the ace of spades goes to the table
    WaitIdle();
    ASSERT_NE(Controller().State(), start);
    EXPECT_TRUE(offered());
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Controller().State(), start);
    EXPECT_FALSE(offered());
    EXPECT_FALSE(w.PlayerS->CardAt(0)->Empty()) << "the ace is back in the hand";
}

TEST_F(KeyboardPlayTest, HThenEnterPlaysTheHintedCardWhoseRingDiffersFromTheKeysRing)
{
    TForm1& w = Shown(OpenPosition(SeatS));
    QTest::keyClick(&w, Qt::Key_H);
    WaitForHint();
    const int hinted = Controller().HintSlot();
    ASSERT_GE(hinted, 0);
    const int hintedId = w.PlayerS->CardAt(hinted)->ID();
    const int marks = MarkCount(w);
    // The keys' ring on another card of the hand, then the hint again.
    Key(Qt::Key_Escape);
    Key(Qt::Key_Home);
    if (Keys().Slot() == hinted) Key(Qt::Key_Right);
    ASSERT_EQ(Keys().Row(), TKeyboardPlay::RowHand);
    ASSERT_NE(Keys().Slot(), hinted);
    QTest::keyClick(&w, Qt::Key_H);
    WaitForHint();
    ASSERT_EQ(Controller().HintSlot(), hinted);
    EXPECT_EQ(At(), TPlace(TKeyboardPlay::RowHand, hinted)) << "the ring went to the hint";
    ExpectOneRing();
    EXPECT_EQ(MarkCount(w), marks) << "the hint's table cards stay marked";
    // The two rings apart: the keys' on the hand, the hint's on its raised card.
    const QRect ring = w.PlayerS->FocusRingRect();
    const int keysHue = HueAt(*w.PlayerS, { ring.left() + 1, ring.bottom() - 4 });
    const int hintHue = HueAt(*w.HintCard(), { 1, w.HintCard()->height() / 2 });
    EXPECT_GT(std::abs(keysHue - hintHue), 90) << keysHue << " " << hintHue;
    // The raised card hides the hand's card: the keys' ring shows inside its own.
    const int insideHue = HueAt(*w.HintCard(), { THintCard::Ring + 1, w.HintCard()->height() / 2 });
    EXPECT_LT(std::abs(insideHue - keysHue), 40) << insideHue << " " << keysHue;
    Key(Qt::Key_Return);
    WaitIdle();
    EXPECT_EQ(Controller().SavedMatch().lastMoves[SeatS].playedId, hintedId);
}

TEST_F(KeyboardPlayTest, EnterOnTheTableSaysWhyAndAfterADealTheRingIsBackInTheHand)
{
    // Rows too full for the computers to empty them in one round.
    std::array<THand, kSeatCount> hands {};
    hands[SeatS] = HandOf(1, 2);
    const auto rows = TableOf(20, 20);
    TForm1& w = Shown(SheetPosition(kEachForHimself, rows[0], rows[1], hands, SeatS, {}));
    Key(Qt::Key_Up); // shows the ring on the hand's one card
    Key(Qt::Key_Up);
    ASSERT_EQ(Keys().Row(), TKeyboardPlay::RowLower);
    w.StatusPanel(2)->clear();
    Key(Qt::Key_Return);
    EXPECT_EQ(w.StatusPanel(2)->text(),
        QStringLiteral("Enter igra kartu iz ruke; karte na talonu oznacava razmaknica."));
    EXPECT_EQ(Controller().State().MovesMade, 0);
    // Space on the hand's card says what it is for, and the hand's last card
    // goes to the table: the ring moves to the table, the hands are dealt
    // again, and the ring comes back to the hand.
    Key(Qt::Key_Down);
    w.StatusPanel(2)->clear();
    Key(Qt::Key_Space);
    EXPECT_EQ(w.StatusPanel(2)->text(),
        QStringLiteral("Razmaknica oznacava karte na talonu; kartu iz ruke igra Enter."));
    Key(Qt::Key_Return);
    EXPECT_EQ(Keys().Row(), TKeyboardPlay::RowLower) << "the empty hand sent the ring away";
    WaitIdle();
    ASSERT_EQ(Controller().State().CurrentPlayer, SeatS);
    ASSERT_FALSE(CardSlots(TKeyboardPlay::RowHand).empty()) << "the hands were dealt again";
    EXPECT_EQ(Keys().Row(), TKeyboardPlay::RowHand);
    ExpectOneRing();
}
