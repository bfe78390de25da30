#include "tests/ui/captured_cards_fixture.h"
#include "ui/window/taken_cards_view.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace {

using TakenCardsView = CapturedCardsTest;

std::vector<int> RowIDs(const TZuCardGroup& row)
{
    std::vector<int> ids;
    for (int i = 0; i < row.SlotCount(); ++i)
        if (!row.CardAt(i)->Empty()) ids.push_back(row.CardAt(i)->ID());
    return ids;
}

// Rows follow the count, every card shown lies inside the window, and every
// row starts at the same left edge, centred.
TEST_F(TakenCardsView, RowsFollowTheCountAndAllFit)
{
    struct TCase {
        int cards, rows;
        std::vector<size_t> perRow;
    };
    for (const TCase& c : { TCase { 0, 1, { 0, 0, 0, 0 } }, TCase { 26, 1, { 26, 0, 0, 0 } },
             TCase { 27, 2, { 26, 1, 0, 0 } }, TCase { 53, 3, { 26, 26, 1, 0 } },
             TCase { 104, 4, { 26, 26, 26, 26 } }, TCase { 130, 4, { 26, 26, 26, 26 } } }) {
        SCOPED_TRACE(c.cards);
        TFPregledKarata view;
        view.ShowCards(Taken(c.cards));
        view.show();
        QApplication::processEvents();
        EXPECT_EQ(view.RowsShown(), c.rows);
        const int left = view.Karte(0)->mapTo(&view, QPoint()).x();
        EXPECT_EQ(left, (view.width() - view.Karte(0)->width()) / 2);
        for (int k = 0; k < TFPregledKarata::RowCount; ++k) {
            TZuCardGroup& row = *view.Karte(k);
            EXPECT_EQ(row.SlotCount(), 26);
            EXPECT_EQ(RowIDs(row).size(), c.perRow[k]) << "row " << k + 1;
            EXPECT_EQ(row.isVisible(), k < c.rows) << "row " << k + 1;
            if (!row.isVisible()) continue;
            const QRect shown(row.mapTo(&view, QPoint()), row.size());
            EXPECT_TRUE(view.rect().contains(shown)) << "row " << k + 1 << " lies outside";
            EXPECT_EQ(shown.left(), left) << "row " << k + 1;
        }
    }
}

// A row with room left keeps taking order; a full row sorts by value.
TEST_F(TakenCardsView, PartialRowsKeepTakingOrder)
{
    TFPregledKarata view;
    view.show();
    view.ShowCards({ 40, 2, 15 });
    EXPECT_EQ(RowIDs(*view.Karte(0)), std::vector<int>({ 40, 2, 15 }));
    const std::vector<int> full = Taken(27);
    view.ShowCards(full);
    EXPECT_EQ(RowIDs(*view.Karte(1)), std::vector<int>({ full[26] }));
    std::vector<int> sortedKeys;
    for (int i = 0; i < 26; ++i)
        sortedKeys.push_back(view.Karte(0)->CardAt(i)->SortKey());
    EXPECT_TRUE(std::is_sorted(sortedKeys.begin(), sortedKeys.end()));
}

// A screen reader reads the taken cards by name, as on the table.
TEST_F(TakenCardsView, CardsReadByName)
{
    TFPregledKarata view;
    view.show();
    view.ShowCards({ 40, 2 });
    QAccessibleInterface* row = QAccessible::queryAccessibleInterface(view.Karte(0));
    ASSERT_TRUE(row && row->child(1));
    EXPECT_EQ(row->child(0)->text(QAccessible::Name), QStringLiteral("as pik"));
    EXPECT_EQ(row->child(1)->text(QAccessible::Name), QStringLiteral("2 tref"));
}

TEST_F(TakenCardsView, CaptionNamesThePlayer)
{
    TFPregledKarata view;
    EXPECT_EQ(view.windowTitle(), "Pregled karata");
    for (const char* own : { "Ja", "JA", "ja" }) {
        view.SetPlayer(own);
        EXPECT_EQ(view.windowTitle(), "Karte koje sam ja odneo") << own;
    }
    for (const char* other : { "jA", "Zika", "Ja ", "" }) {
        view.SetPlayer(other);
        EXPECT_EQ(view.windowTitle(), QStringLiteral("Karte koje je odneo ") + other) << other;
    }
}

TEST_F(TakenCardsView, EscapeCloses)
{
    TFPregledKarata view;
    view.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&view, &escape);
    EXPECT_FALSE(view.isVisible());
}

// A second request while the view is open is ignored, and the main window
// can close the open view.
TEST_F(TakenCardsView, OpensOnceAndClosesOnRequest)
{
    TFPregledKarata view;
    EXPECT_TRUE(view.Execute());
    EXPECT_TRUE(view.IsOpen());
    EXPECT_TRUE(view.isModal());
    EXPECT_FALSE(view.Execute());
    view.CloseIfOpen();
    EXPECT_FALSE(view.IsOpen());
    view.CloseIfOpen(); // closed already: nothing happens
    EXPECT_TRUE(view.Execute()) << "opens again once closed";
    view.CloseIfOpen();
}

} // namespace
