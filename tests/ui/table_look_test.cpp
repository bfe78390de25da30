// "Izgled": the look kept in the settings, chosen in the options, and what
// "Savremeni" does to the table a player sees: felt under see-through card
// controls, rounded cards, marked cards washed rather than inverted, hands
// with no holes and the deck's count on the pile.
#include "tests/ui/main_window_fixture.h"

#include "tests/support/pixel_difference.h"

#include "game/computer/computer_choice.h"
#include "game/rules/match_rules.h"
#include "settings/ini_file.h"
#include "ui/diagnostics/layout_feed.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "tools/screenshots/window_positions.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/window/capture_outline.h"
#include "ui/window/table_look_setting.h"
#include "ui/window/table_view.h"
#include "ui/window/taken_cards_view.h"
#include "ui/window/taken_pile.h"
#include "ui/window/score_panel.h"
#include "cards/pictures/zucard_paint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

// A point inside `slot` of the group where no other slot covers it.
QPoint PointOnSlot(TZuCardGroup* group, int slot)
{
    for (int x = group->width() - 1; x >= 0; --x)
        if (group->HitTest(x, group->height() / 2) == slot) return { x, group->height() / 2 };
    ADD_FAILURE() << "slot " << slot << " not found";
    return {};
}

class TableLookTest : public MainWindowTest {
protected:
    TForm1& OpenTable() { return ShownAt(OpenPosition(SeatS)); }
    // "Opcije", "Izgled" set to `look`, "Prihvati".
    void ChooseLook(TForm1& w, int look)
    {
        EXPECT_TRUE(WithModal<TFOptions>([&] { w.Opcije1Click(); },
            [&](TFOptions& d) {
                d.LookCombo()->setCurrentIndex(look);
                d.findChild<QPushButton*>(QStringLiteral("ButtonAccept"))->click();
            }));
    }
    static QString FileName(const QTemporaryDir& dir) { return dir.filePath("Zaviko.ini"); }
    // A match in the modern look on the screen, played on past each hand's end.
    TForm1& ModernMatchShown()
    {
        EXPECT_TRUE(StoreTableLook(FileName(dir), TTableLook::Modern));
        TForm1& w = Make();
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        CloseHandEndDialogs();
        return w;
    }
};

TEST_F(TableLookTest, TheLookIsKeptInTheSettingsAndAnUnknownOneIsClassic)
{
    EXPECT_EQ(ReadTableLook(FileName(dir)), TTableLook::Classic) << "the default";
    ASSERT_TRUE(StoreTableLook(FileName(dir), TTableLook::Modern));
    EXPECT_EQ(ReadTableLook(FileName(dir)), TTableLook::Modern);
    for (int stored : { 2, -1, 99 }) {
        TIniFile ini(FileName(dir));
        ini.WriteInteger(QStringLiteral("GameOptions"), QStringLiteral("Look"), stored);
        ini.UpdateFile();
        EXPECT_EQ(ReadTableLook(FileName(dir)), TTableLook::Classic) << stored;
    }
}

TEST_F(TableLookTest, TheOptionsSwitchTheTableBetweenTheLooks)
{
    TForm1& w = OpenTable();
    ASSERT_EQ(w.Look(), TTableLook::Classic);
    EXPECT_FALSE(w.PlayerS->SeeThrough());
    ChooseLook(w, 1);
    EXPECT_EQ(ReadTableLook(FileName(dir)), TTableLook::Modern);
    EXPECT_EQ(w.Look(), TTableLook::Modern);
    for (TZuCardGroup* g : { w.PlayerS, w.PlayerW, w.PlayerN, w.PlayerE, w.Talon1, w.Talon2 }) {
        EXPECT_TRUE(g->SeeThrough()) << g->objectName().toStdString();
        EXPECT_GT(g->CardFinish().cornerRadius, 0) << g->objectName().toStdString();
    }
    EXPECT_EQ(w.TableView()->scene()->items().isEmpty(), false);
    ChooseLook(w, 0);
    EXPECT_EQ(w.Look(), TTableLook::Classic);
    EXPECT_FALSE(w.Talon1->SeeThrough());
    EXPECT_EQ(w.Talon1->CardFinish(), TZuCardFinish {});
    // The next start reads the look back.
    ChooseLook(w, 1);
    form.reset();
    EXPECT_EQ(Make().Look(), TTableLook::Modern);
}

TEST_F(TableLookTest, ModernHandsCloseUpAndTheDeckShowsItsCount)
{
    ASSERT_TRUE(StoreTableLook(FileName(dir), TTableLook::Modern));
    TForm1& w = OpenTable();
    // A card laid down from the middle of the hand leaves no hole: the cards
    // left lie one step apart.
    std::vector<int> held;
    for (int slot = 0; slot < w.PlayerS->SlotCount(); ++slot)
        if (!w.PlayerS->CardAt(slot)->Empty()) held.push_back(slot);
    ASSERT_GE(held.size(), 3u);
    const int step = w.PlayerS->CardAt(held[1])->BoundsRect().left()
        - w.PlayerS->CardAt(held[0])->BoundsRect().left();
    ASSERT_GT(step, 0);
    const int middle = held[1];
    QTest::mouseClick(w.PlayerS, Qt::LeftButton, Qt::NoModifier, PointOnSlot(w.PlayerS, middle));
    WaitIdle();
    ASSERT_TRUE(w.PlayerS->CardAt(middle)->Empty()) << "the card was laid down";
    std::vector<int> lefts;
    for (int slot = 0; slot < w.PlayerS->SlotCount(); ++slot)
        if (!w.PlayerS->CardAt(slot)->Empty())
            lefts.push_back(w.PlayerS->CardAt(slot)->BoundsRect().left());
    ASSERT_GE(lefts.size(), 2u);
    for (std::size_t i = 1; i < lefts.size(); ++i)
        EXPECT_EQ(lefts[i] - lefts[i - 1], step) << "between the cards " << i - 1 << " and " << i;

    // The deck's count on the pile, read to a screen reader too.
    Controller().ShowState(OpenPosition(SeatS));
    QLabel* count = w.DeckCount();
    ASSERT_NE(count, nullptr);
    const QString left = QString::number(Controller().State().deck.size());
    if (Controller().State().deck.empty()) {
        EXPECT_FALSE(count->isVisible());
    } else {
        EXPECT_TRUE(count->isVisible());
        EXPECT_EQ(count->text(), left);
        EXPECT_TRUE(count->accessibleName().endsWith(left));
    }
}

TEST_F(TableLookTest, ModernMarksWashTheCardInsteadOfInvertingIt)
{
    ASSERT_TRUE(StoreTableLook(FileName(dir), TTableLook::Modern));
    // A row of six, and one grown to eight whose cards step closer together.
    for (const bool grown : { false, true }) {
        TForm1& w = ShownAt(grown ? GrownTablePosition() : OpenPosition(SeatS));
        TZuCardGroup* row = w.Talon1;
        ASSERT_EQ(row->CascadeStyle(), grown ? csTight : csNormal);
        int slot = 0;
        while (slot < row->SlotCount() && row->CardAt(slot)->Empty())
            ++slot;
        ASSERT_LT(slot, row->SlotCount());
        const QRect card = row->CardAt(slot)->BoundsRect();
        const QPoint inside = card.topLeft() + QPoint(card.width() / 2, 12);
        const qreal ratio = row->Bitmap().devicePixelRatio();
        const QColor plain = row->Bitmap().pixelColor(inside * ratio);
        QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, PointOnSlot(row, slot));
        ASSERT_TRUE(row->CardAt(slot)->Negative()) << "marked, grown " << grown;
        const QColor marked = row->Bitmap().pixelColor(inside * ratio);
        EXPECT_NE(marked, plain) << "the mark shows, grown " << grown;
        // Inverted, a light face turns dark; washed, it stays light.
        EXPECT_GT(marked.lightness(), 128) << "plain lightness " << plain.lightness();
        EXPECT_NEAR(marked.lightness(), plain.lightness(), 60);
        // It stands above the row's other cards, whole within the row, and
        // goes back down unmarked.
        const QRect up = row->CardAt(slot)->BoundsRect();
        EXPECT_LT(up.top(), card.top()) << "grown " << grown;
        EXPECT_GE(up.top(), 0) << "grown " << grown;
        EXPECT_LE(card.bottom(), row->height() - 1) << "grown " << grown;
        for (int other = 0; other < row->SlotCount(); ++other)
            if (other != slot && !row->CardAt(other)->Empty()) {
                EXPECT_EQ(row->CardAt(other)->BoundsRect().top(), card.top()) << other;
            }
        QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, PointOnSlot(row, slot));
        EXPECT_EQ(row->CardAt(slot)->BoundsRect().top(), card.top());
        // The classic look's row has no room above its cards; back in the
        // modern one, the room returns.
        const int modernHeight = row->height();
        ChooseLook(w, 0);
        EXPECT_EQ(row->height(), ZuCardHeight) << "grown " << grown;
        ChooseLook(w, 1);
        EXPECT_EQ(row->height(), modernHeight) << "grown " << grown;
        form.reset();
    }
}

TEST_F(TableLookTest, ModernCardsAtALargerScaleAreRoundedWithoutASecondCopy)
{
    ASSERT_TRUE(StoreTableLook(FileName(dir), TTableLook::Modern));
    TForm1& w = OpenTable();
    const int held = ZuRoundedCopiesHeld();
    w.resize(w.minimumSize() * 2);
    QApplication::processEvents();
    w.SettleTableScale();
    QApplication::processEvents();
    ASSERT_GT(w.PlayerS->ViewScale(), 1.5);
    // Every card on show was drawn again at the new scale, from pictures
    // drawn rounded: none was copied to be rounded.
    EXPECT_EQ(ZuRoundedCopiesHeld(), held);
    for (TZuCardGroup* group : { w.PlayerS, w.Talon1 }) {
        const QImage& picture = group->Bitmap();
        const qreal ratio = picture.devicePixelRatio();
        int slot = 0;
        while (group->CardAt(slot)->Empty())
            ++slot;
        const QPoint corner = group->CardAt(slot)->BoundsRect().topLeft() * ratio;
        EXPECT_EQ(picture.pixelColor(corner).alpha(), 0) << "the corner is cut";
        EXPECT_EQ(picture.pixelColor(corner + QPoint(12, 12) * ratio).alpha(), 255);
    }
}

// The pointer over a hand card, as the window gets it.
void PointAt(TZuCardGroup* hand, int slot)
{
    const QPoint at = PointOnSlot(hand, slot);
    QMouseEvent move(
        QEvent::MouseMove, at, hand->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(hand, &move);
}

// Where table card (row, slot) lies on the table.
QRect TableCardRect(TForm1& w, TTableSlot place)
{
    TZuCardGroup* row = place.row == 0 ? w.Talon1 : w.Talon2;
    return QRect(row->pos() + row->CardAt(place.slot)->BoundsRect().topLeft(),
        QSize(ZuCardWidth, ZuCardHeight));
}

TEST_F(TableLookTest, ModernOutlinesWhatThePointedOrRingedHandCardCouldTake)
{
    ASSERT_TRUE(StoreTableLook(FileName(dir), TTableLook::Modern));
    TForm1& w = OpenTable();
    TCaptureOutline* outline = w.CaptureOutline();
    ASSERT_NE(outline, nullptr);
    ASSERT_TRUE(outline->On()) << "on by default in the modern look";
    // The hand: A, 8, -, Q, 2, 9; the upper row 4 and 7 (slots 2, 3), the
    // lower 3, 10 and Q (slots 2 to 4).
    const struct {
        int handSlot;
        std::vector<TTableSlot> take;
    } cases[] = {
        { 0, { { 0, 2 }, { 0, 3 } } }, // the ace: 4 + 7
        { 3, { { 1, 2 }, { 1, 3 }, { 1, 4 } } }, // the queen: 3 + 10 and the queen
        { 1, {} }, // the 8 takes nothing
    };
    for (const auto& c : cases) {
        PointAt(w.PlayerS, c.handSlot);
        EXPECT_EQ(outline->PointedSlot(), c.handSlot);
        std::vector<QRect> want;
        for (const TTableSlot& place : c.take)
            want.push_back(TableCardRect(w, place));
        EXPECT_EQ(outline->Outlined(), want) << "hand slot " << c.handSlot;
        EXPECT_EQ(outline->isVisibleTo(w.Talon1->parentWidget()), !want.empty()) << c.handSlot;
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.PlayerS, &leave);
    EXPECT_TRUE(outline->Outlined().empty()) << "the pointer left the hand";

    // The keyboard's ring on the hand outlines as the pointer does.
    QTest::keyClick(&w, Qt::Key_Down);
    QTest::keyClick(&w, Qt::Key_Home);
    ASSERT_EQ(w.PlayerS->FocusedSlot(), 0) << "the ring is on the ace";
    QApplication::processEvents(); // the ring is drawn
    EXPECT_EQ(outline->Outlined().size(), 2u);

    // What is outlined is a capture the game takes: marked and played, the
    // ace takes those two cards.
    const std::vector<QRect> outlined = outline->Outlined();
    for (int slot : { 2, 3 })
        QTest::mouseClick(w.Talon1, Qt::LeftButton, Qt::NoModifier, PointOnSlot(w.Talon1, slot));
    QTest::mouseClick(w.PlayerS, Qt::LeftButton, Qt::NoModifier, PointOnSlot(w.PlayerS, 0));
    WaitIdle();
    EXPECT_EQ(w.PlayerS->TakenCount(), int(outlined.size()) + 1);
}

TEST_F(TableLookTest, TheOutlineIsAnOptionOfTheModernLookOnly)
{
    ASSERT_TRUE(StoreTableLook(FileName(dir), TTableLook::Modern));
    TForm1& w = OpenTable();
    // "Opcije": the box is offered in the modern look; unchecked, it is kept
    // and the ace's capture is no longer outlined.
    EXPECT_TRUE(WithModal<TFOptions>([&] { w.Opcije1Click(); },
        [&](TFOptions& d) {
            EXPECT_TRUE(d.OutlineBox()->isEnabled());
            EXPECT_TRUE(d.OutlineBox()->isChecked());
            d.OutlineBox()->setChecked(false);
            d.findChild<QPushButton*>(QStringLiteral("ButtonAccept"))->click();
        }));
    EXPECT_FALSE(ReadCaptureOutline(FileName(dir)));
    PointAt(w.PlayerS, 0);
    EXPECT_TRUE(w.CaptureOutline()->Outlined().empty());
    form.reset();
    EXPECT_FALSE(Make().CaptureOutline()->On()) << "read back at the next start";

    // The classic look: the box cannot be checked, nothing is outlined.
    form.reset();
    ASSERT_TRUE(StoreCaptureOutline(FileName(dir), true));
    ASSERT_TRUE(StoreTableLook(FileName(dir), TTableLook::Classic));
    TForm1& classic = OpenTable();
    EXPECT_TRUE(WithModal<TFOptions>([&] { classic.Opcije1Click(); },
        [&](TFOptions& d) {
            EXPECT_FALSE(d.OutlineBox()->isEnabled());
            d.LookCombo()->setCurrentIndex(1);
            EXPECT_TRUE(d.OutlineBox()->isEnabled()) << "offered once the modern look is chosen";
            d.LookCombo()->setCurrentIndex(0);
            d.findChild<QPushButton*>(QStringLiteral("ButtonAccept"))->click();
        }));
    PointAt(classic.PlayerS, 0);
    EXPECT_TRUE(!classic.CaptureOutline() || classic.CaptureOutline()->Outlined().empty());
}

// The count on the deck's pile follows the deck as it shrinks, deal by deal,
// down to none, when the pile's count goes.
TEST_F(TableLookTest, TheDeckPileCountsDownWithEveryDeal)
{
    const struct {
        int decks; // "Broj spilova": 0 one deck, 1 two
        std::vector<int> counts;
    } cases[] = {
        { 0, { 24, 0 } },
        { 1, { 76, 52, 28, 4, 0 } },
    };
    for (const auto& c : cases) {
        // Each case in a folder of its own: a new match, not the last one kept.
        form.reset();
        QTemporaryDir folder;
        TIni(folder.filePath("Zaviko.ini"))
            .SetGameOptions(0, c.decks, 0, 0, 0, true, false, true, true, true, false);
        ASSERT_TRUE(StoreTableLook(FileName(folder), TTableLook::Modern));
        form = std::make_unique<TForm1>(folder.path());
        TForm1& w = *form;
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        CloseHandEndDialogs();
        std::vector<int> seen;
        for (int turns = 0; turns < 400 && (seen.empty() || seen.back() != 0); ++turns) {
            QLabel* count = w.DeckCount();
            ASSERT_NE(count, nullptr);
            const int left = Controller().CardsLeft();
            if (seen.empty() || seen.back() != left) seen.push_back(left);
            EXPECT_EQ(count->isVisible(), left > 0) << left;
            if (left > 0) {
                EXPECT_EQ(count->text(), QString::number(left));
            }
            PlayOneTurn();
        }
        EXPECT_EQ(seen, c.counts) << c.decks;
        handEndCloser.stop();
        form.reset();
    }
}

// The numbers of a shell array in the layout feed ("NAME=(1 2 3)").
QList<int> FeedNumbers(const QString& report, const QString& name)
{
    const QRegularExpression line(
        QStringLiteral("^%1=\\(?([-0-9 ]*)\\)?$").arg(name), QRegularExpression::MultilineOption);
    QList<int> numbers;
    for (const QString& word : line.match(report).captured(1).split(u' ', Qt::SkipEmptyParts))
        numbers << word.toInt();
    return numbers;
}

// What a script clicks by the window's layout feed is the card it means, in
// either look and at any window shape, a marked (risen) card too.
TEST_F(TableLookTest, TheLayoutFeedPointsAtEveryCardInEitherLookAndAnyShape)
{
    const struct {
        TTableLook look;
        QSize size; // empty: the smallest window
    } cases[] = {
        { TTableLook::Classic, {} },
        { TTableLook::Modern, {} },
        { TTableLook::Modern, { 1100, 700 } },
        { TTableLook::Modern, { 800, 1000 } },
    };
    for (const auto& c : cases) {
        form.reset();
        ASSERT_TRUE(StoreTableLook(FileName(dir), c.look));
        TForm1& w = OpenTable();
        if (!c.size.isEmpty()) {
            w.resize(c.size);
            QApplication::processEvents();
            w.SettleTableScale();
        }
        QTest::mouseClick(w.Talon1, Qt::LeftButton, Qt::NoModifier, PointOnSlot(w.Talon1, 2));
        ASSERT_TRUE(w.Talon1->CardAt(2)->Negative());
        const QString report = LiveLayoutReport(w);
        EXPECT_TRUE(report.contains(QStringLiteral("WIN_W=%1\n").arg(w.width())))
            << report.toStdString();
        // The slot of `group` under a point of the window.
        const auto slotAt = [&](TZuCardGroup* group, QPoint inWindow) {
            const QPoint inView = w.TableView()->viewport()->mapFrom(&w, inWindow);
            const QPoint at = w.TableView()->ToTable(inView) - group->pos();
            return group->HitTest(at.x(), at.y());
        };
        const QList<int> handXs = FeedNumbers(report, QStringLiteral("HAND_XS"));
        const QList<int> handY = FeedNumbers(report, QStringLiteral("HAND_Y"));
        ASSERT_EQ(handXs.size(), w.PlayerS->SlotCount());
        ASSERT_EQ(handY.size(), 1);
        for (int slot = 0; slot < handXs.size(); ++slot)
            if (w.PlayerS->CardAt(slot)->Empty())
                EXPECT_EQ(handXs[slot], -1) << slot;
            else
                EXPECT_EQ(slotAt(w.PlayerS, { handXs[slot], handY[0] }), slot) << slot;
        const QList<int> xs = FeedNumbers(report, QStringLiteral("SLOT_XS"));
        const QList<int> ys = FeedNumbers(report, QStringLiteral("SLOT_YS"));
        ASSERT_EQ(xs.size(), 12);
        ASSERT_EQ(ys.size(), 12);
        for (int i = 0; i < 12; ++i) {
            TZuCardGroup* row = i < 6 ? w.Talon1 : w.Talon2;
            if (!row->CardAt(i % 6)->Empty()) {
                EXPECT_EQ(slotAt(row, { xs[i], ys[i] }), i % 6) << i << " at " << c.size.width();
            }
        }
    }
}

TEST_F(TableLookTest, EachSidesTakenCardsLieInAPileThatOpensThem)
{
    ASSERT_TRUE(StoreTableLook(FileName(dir), TTableLook::Modern));
    TForm1& w = OpenTable();
    // The ace (hand slot 0) takes 4 and 7 of the upper row (slots 2 and 3).
    for (int slot : { 2, 3 })
        QTest::mouseClick(w.Talon1, Qt::LeftButton, Qt::NoModifier, PointOnSlot(w.Talon1, slot));
    const QPoint ace = PointOnSlot(w.PlayerS, 0);
    QTest::mousePress(w.PlayerS, Qt::RightButton, Qt::NoModifier, ace);
    QTest::mouseRelease(w.PlayerS, Qt::RightButton, Qt::NoModifier, ace);
    WaitIdle();
    const std::array<TZuCardGroup*, 4> seats { w.PlayerS, w.PlayerW, w.PlayerN, w.PlayerE };
    ASSERT_GE(w.PlayerS->TakenCount(), 3);
    int piles = 0;
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        TTakenPile* pile = w.TakenPile(seat);
        ASSERT_NE(pile, nullptr);
        const int taken = seats[seat]->TakenCount();
        EXPECT_EQ(pile->isVisible(), taken > 0) << seat;
        EXPECT_EQ(pile->Count(), taken) << seat;
        EXPECT_TRUE(pile->accessibleName().contains(seats[seat]->PlayerName())) << seat;
        EXPECT_TRUE(pile->accessibleName().contains(QString::number(taken))) << seat;
        piles += taken > 0;
    }
    ASSERT_GT(piles, 0) << "the position has taken cards";
    // A click on the player's own pile opens the cards, as the menu does.
    int seat = SeatS;
    while (seats[seat]->TakenCount() == 0)
        ++seat;
    QTest::mouseClick(w.TakenPile(seat), Qt::LeftButton);
    ASSERT_TRUE(w.Overview()->IsOpen());
    int shown = 0;
    for (int row = 0; row < TFPregledKarata::RowCount; ++row)
        for (int slot = 0; slot < w.Overview()->Karte(row)->SlotCount(); ++slot)
            shown += !w.Overview()->Karte(row)->CardAt(slot)->Empty();
    EXPECT_EQ(shown, seats[seat]->TakenCount());
    w.Overview()->CloseIfOpen();

    // Where the options forbid looking, the pile stays shut.
    EXPECT_TRUE(WithModal<TFOptions>([&] { w.Opcije1Click(); },
        [&](TFOptions& d) {
            for (const char* box : { "CheckViewMine", "CheckViewOthers" })
                d.findChild<QCheckBox*>(QString::fromLatin1(box))->setChecked(false);
            d.findChild<QPushButton*>(QStringLiteral("ButtonAccept"))->click();
        }));
    QTest::mouseClick(w.TakenPile(seat), Qt::LeftButton);
    EXPECT_FALSE(w.Overview()->IsOpen());

    // The classic table has no piles.
    form.reset();
    ASSERT_TRUE(StoreTableLook(FileName(dir), TTableLook::Classic));
    TForm1& classic = OpenTable();
    for (int s = SeatS; s <= SeatE; ++s)
        EXPECT_TRUE(!classic.TakenPile(s) || classic.TakenPile(s)->isHidden()) << s;
}

// The cloth is painted anew only where a card's shadow moved: what the
// screen shows after each turn is what a paint of the whole table draws.
TEST_F(TableLookTest, ModernScreenShowsWhatAFreshPaintDrawsAfterEveryTurn)
{
    TForm1& w = ModernMatchShown();
    ASSERT_FALSE(HasFailure()) << "the modern window did not come up";
    auto* view = w.findChild<TTableView*>();
    ASSERT_NE(view, nullptr);
    for (int turn = 0; turn < 12 && !Controller().GameOver(); ++turn) {
        PlayOneTurn();
        QApplication::processEvents();
        const QRect area(view->mapTo(&w, QPoint(0, 0)), view->size());
        const QImage shown
            = w.screen()
                  ->grabWindow(w.winId(), area.x(), area.y(), area.width(), area.height())
                  .toImage()
                  .convertToFormat(QImage::Format_RGB32);
        const QImage whole = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), whole.size());
        // The score grid paints itself; the cloth's light may round a shade
        // differently when painted in pieces.
        QRegion grids;
        QWidget* table = w.Talon1->parentWidget();
        for (const TScorePanel* panel : table->findChildren<TScorePanel*>())
            if (panel->isVisible()) grids += view->FromTable(panel->geometry());
        EXPECT_EQ(PixelsDiffering(shown, whole, 2, grids), 0) << "turn " << turn;
    }
}

// A whole match in the modern look, the window shown and resized to other
// shapes mid-match: the match ends as it does in the classic look, and the
// hands, the rows and the piles stay apart on the table at every shape.
TEST_F(TableLookTest, AWholeModernMatchPlaysThroughResizes)
{
    TForm1& w = ModernMatchShown();
    ASSERT_FALSE(HasFailure()) << "the modern window did not come up";
    const QSize shapes[] = { { 1900, 600 }, { 800, 1000 }, { 1100, 700 } };
    int resized = 0;
    for (int turns = 0; !Controller().GameOver() && turns < 2000; ++turns) {
        if (turns % 15 == 14 && resized < 3) {
            w.resize(shapes[resized++]);
            QApplication::processEvents();
            w.SettleTableScale();
            QWidget* table = w.Talon1->parentWidget();
            std::vector<QWidget*> parts { w.PlayerS, w.PlayerW, w.PlayerN, w.PlayerE, w.Talon1,
                w.Talon2 };
            for (int seat = SeatS; seat <= SeatE; ++seat)
                if (w.TakenPile(seat)->isVisibleTo(table)) parts.push_back(w.TakenPile(seat));
            for (std::size_t i = 0; i < parts.size(); ++i) {
                EXPECT_TRUE(table->rect().contains(parts[i]->geometry())) << resized;
                for (std::size_t j = i + 1; j < parts.size(); ++j)
                    EXPECT_FALSE(parts[i]->geometry().intersects(parts[j]->geometry()))
                        << resized << ": " << parts[i]->objectName().toStdString() << " over "
                        << parts[j]->objectName().toStdString();
            }
        }
        PlayOneTurn();
        ASSERT_TRUE(CardsConserved(Controller().State()));
    }
    ASSERT_TRUE(Controller().GameOver());
    EXPECT_EQ(resized, 3);
    EXPECT_TRUE(sink.shown.errors.empty());
}

} // namespace
