// "Izgled": the look kept in the settings, chosen in the options, and what
// "Savremeni" does to the table a player sees: felt under see-through card
// controls, rounded cards, marked cards washed rather than inverted, hands
// with no holes and the deck's count on the pile.
#include "tests/ui/main_window_fixture.h"

#include "settings/ini_file.h"
#include "tools/screenshots/window_positions.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/window/table_look_setting.h"
#include "ui/window/table_view.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
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
    TForm1& OpenTable()
    {
        TForm1& w = Make();
        sink.shown.confirmReply = false;
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        Controller().ShowState(OpenPosition(SeatS));
        return w;
    }
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
    TForm1& w = OpenTable();
    TZuCardGroup* row = w.Talon1;
    int slot = 0;
    while (slot < row->SlotCount() && row->CardAt(slot)->Empty())
        ++slot;
    ASSERT_LT(slot, row->SlotCount());
    const QRect card = row->CardAt(slot)->BoundsRect();
    const QPoint inside = card.topLeft() + QPoint(card.width() / 2, 12);
    const qreal ratio = row->Bitmap().devicePixelRatio();
    const QColor plain = row->Bitmap().pixelColor(inside * ratio);
    QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, PointOnSlot(row, slot));
    ASSERT_TRUE(row->CardAt(slot)->Negative()) << "marked";
    const QColor marked = row->Bitmap().pixelColor(inside * ratio);
    EXPECT_NE(marked, plain) << "the mark shows";
    // Inverted, a light face turns dark; washed, it stays light.
    EXPECT_GT(marked.lightness(), 128) << "plain lightness " << plain.lightness();
    EXPECT_NEAR(marked.lightness(), plain.lightness(), 60);
}

} // namespace
