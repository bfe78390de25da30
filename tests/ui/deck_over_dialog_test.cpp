#include "tests/ui/captured_cards_fixture.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "ui/window/taken_cards_view.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <memory>

namespace {

// The four seats with their names and captured cards.
class DeckOverDialog : public CapturedCardsTest {
protected:
    void Seat(int seat, const char* name, int taken)
    {
        seats[seat]->SetPlayerName(name);
        seats[seat]->ClearTaken();
        seats[seat]->TakeCards(Taken(taken));
    }

    void Fill(int numberOfPlayers)
    {
        dialog.SetPlayers(
            seats[0].get(), seats[1].get(), seats[2].get(), seats[3].get(), numberOfPlayers);
    }

    QString Caption(TFDeckOverInfoDlg::TSeat seat) { return dialog.SeatButton(seat)->text(); }

    std::array<std::unique_ptr<TZuCardGroup>, 4> seats { std::make_unique<TZuCardGroup>(),
        std::make_unique<TZuCardGroup>(), std::make_unique<TZuCardGroup>(),
        std::make_unique<TZuCardGroup>() };
    TFDeckOverInfoDlg dialog;
};

TEST_F(DeckOverDialog, OneWinner)
{
    Seat(0, "Ja", 10);
    Seat(1, "Zika", 25);
    Seat(2, "Pera", 0);
    Seat(3, "Mika", 17);
    Fill(0);
    dialog.SetLastTaker("Pera");
    dialog.SetMostCards({ seats[1].get() });
    EXPECT_EQ(dialog.windowTitle(), "Pokupljene karte");
    EXPECT_EQ(dialog.LastTakerLabel()->text(), "Karte sa talona pokupio Pera");
    EXPECT_EQ(dialog.MostCardsLabel()->text(), "Najvise karata (25) odneo Zika");
    EXPECT_EQ(Caption(TFDeckOverInfoDlg::South), "Ja (10)");
    EXPECT_EQ(Caption(TFDeckOverInfoDlg::West), "Zika (25)");
    EXPECT_EQ(Caption(TFDeckOverInfoDlg::North), "Pera (0)");
    EXPECT_EQ(Caption(TFDeckOverInfoDlg::East), "Mika (17)");
}

TEST_F(DeckOverDialog, ThreeWayTieInTheOrderGiven)
{
    Seat(0, "Ja", 17);
    Seat(1, "Zika", 17);
    Seat(2, "Pera", 1);
    Seat(3, "Mika", 17);
    Fill(1);
    dialog.SetMostCards({ seats[3].get(), seats[0].get(), seats[1].get() });
    EXPECT_EQ(dialog.MostCardsLabel()->text(), "Najvise karata (17) odneli Mika Ja Zika");
    EXPECT_GE(dialog.width(), dialog.MostCardsLabel()->geometry().right() + 16) << "not cut off";
}

// The two-player game offers the two seats that play, one under the other,
// in a box and a dialog without the empty rows.
TEST_F(DeckOverDialog, TwoPlayersShowOnlyTheSeatsThatPlay)
{
    for (int seat = 0; seat < 4; ++seat)
        Seat(seat, "X", 3);
    Fill(0);
    const int fourHigh = dialog.height();
    for (int mode : { 0, 1, 2 }) {
        Fill(mode);
        const bool four = mode != 2;
        QPushButton* south = dialog.SeatButton(TFDeckOverInfoDlg::South);
        QPushButton* north = dialog.SeatButton(TFDeckOverInfoDlg::North);
        EXPECT_TRUE(south->isEnabled() && !south->isHidden()) << mode;
        EXPECT_TRUE(north->isEnabled() && !north->isHidden()) << mode;
        EXPECT_EQ(dialog.SeatButton(TFDeckOverInfoDlg::West)->isHidden(), !four) << mode;
        EXPECT_EQ(dialog.SeatButton(TFDeckOverInfoDlg::East)->isHidden(), !four) << mode;
        EXPECT_EQ(north->y() - south->y(), four ? 64 : 32) << mode;
        EXPECT_EQ(dialog.height(), four ? fourHigh : fourHigh - 64) << mode;
        const QWidget* box = north->parentWidget();
        EXPECT_LT(north->geometry().bottom(), box->height()) << mode;
        EXPECT_LT(box->geometry().bottom(), dialog.findChild<QPushButton*>("ButtonOK")->y());
    }
}

// A name too long for its button is cut at its end, never in the middle of
// the count, and reads whole in the tooltip and to a screen reader; a name
// that fits has no tooltip.
TEST_F(DeckOverDialog, ALongNameIsCutAtItsEndAndWholeInTheTooltip)
{
    const QString longName = QStringLiteral("Aleksandar Veliki-Petrovic");
    const QString accented = QString::fromUtf8("Bojana Đokić");
    Seat(0, longName.toUtf8().constData(), 12);
    Seat(1, accented.toUtf8().constData(), 7);
    Seat(2, "Ja", 0);
    Seat(3, "Zika", 25);
    Fill(0);
    QPushButton* south = dialog.SeatButton(TFDeckOverInfoDlg::South);
    const QString caption = south->text();
    EXPECT_TRUE(caption.startsWith("Aleksandar")) << caption.toStdString();
    EXPECT_TRUE(caption.endsWith(QString::fromUtf8("\u2026 (12)"))) << caption.toStdString();
    EXPECT_LE(south->fontMetrics().horizontalAdvance(caption), south->width() - 12);
    EXPECT_EQ(south->toolTip(), longName + " (12)");
    EXPECT_EQ(south->accessibleName(), longName + " (12)") << "read whole";
    EXPECT_EQ(Caption(TFDeckOverInfoDlg::West), accented + " (7)");
    EXPECT_EQ(dialog.SeatButton(TFDeckOverInfoDlg::West)->toolTip(), QString());
}

// Names are text, not markup, and an ampersand is not a shortcut mark.
TEST_F(DeckOverDialog, NamesArePlainText)
{
    Seat(0, "<b>Ja</b>", 2);
    Seat(1, "A&B", 2);
    Fill(0);
    dialog.SetLastTaker("<i>Pera</i>");
    dialog.SetMostCards({ seats[1].get() });
    EXPECT_EQ(dialog.LastTakerLabel()->textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog.MostCardsLabel()->textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog.LastTakerLabel()->text(), "Karte sa talona pokupio <i>Pera</i>");
    EXPECT_EQ(Caption(TFDeckOverInfoDlg::West), "A&&B (2)");
}

// A seat's button opens the view on that seat's cards, over the dialog.
TEST_F(DeckOverDialog, SeatButtonOpensTheView)
{
    Seat(0, "Ja", 30);
    Seat(2, "Pera", 3);
    Fill(2);
    TFPregledKarata view;
    dialog.SetViewer(&view);
    bool seen = false;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.SeatButton(TFDeckOverInfoDlg::North)->click();
        seen = view.IsOpen();
        EXPECT_EQ(QApplication::activeModalWidget(), &view) << "over the dialog";
        EXPECT_EQ(view.windowTitle(), "Karte koje je odneo Pera");
        EXPECT_EQ(view.RowsShown(), 1);
        EXPECT_EQ(view.Karte(0)->CardAt(2)->ID(), seats[2]->TakenID(2));
        view.CloseIfOpen();
        EXPECT_TRUE(dialog.isVisible()) << "stays open beneath the view";
        dialog.SeatButton(TFDeckOverInfoDlg::South)->click();
        EXPECT_TRUE(view.IsOpen()) << "a second seat opens it again";
        EXPECT_EQ(view.windowTitle(), "Karte koje sam ja odneo");
        view.CloseIfOpen();
        dialog.accept();
    });
    EXPECT_EQ(dialog.Execute(), QDialog::Accepted);
    EXPECT_TRUE(seen);
}

// Enter on a focused seat button opens that seat's cards; the dialog stays.
TEST_F(DeckOverDialog, EnterOnAFocusedSeatButtonOpensItsCards)
{
    Seat(0, "Ja", 30);
    Seat(2, "Pera", 3);
    Fill(2);
    TFPregledKarata view;
    dialog.SetViewer(&view);
    bool seen = false, stayed = false;
    QTimer::singleShot(0, &dialog, [&] {
        QPushButton* north = dialog.SeatButton(TFDeckOverInfoDlg::North);
        north->setFocus();
        QTest::keyClick(north, Qt::Key_Return);
        seen = view.IsOpen() && view.windowTitle() == "Karte koje je odneo Pera";
        view.CloseIfOpen();
        stayed = dialog.isVisible();
        dialog.accept();
    });
    dialog.Execute();
    EXPECT_TRUE(seen) << "Enter opened the seat's cards";
    EXPECT_TRUE(stayed) << "and did not close the dialog";
    // Opened anew, the dialog is on OK: Enter closes it and opens nothing.
    QString focused;
    QTimer::singleShot(0, &dialog, [&] {
        QWidget* focus = dialog.focusWidget();
        focused = focus ? focus->objectName() : QString();
        if (focus) QTest::keyClick(focus, Qt::Key_Return);
        if (dialog.isVisible()) dialog.reject();
    });
    EXPECT_EQ(dialog.Execute(), QDialog::Accepted);
    EXPECT_EQ(focused.toStdString(), "ButtonOK");
    EXPECT_FALSE(view.IsOpen());
}

TEST_F(DeckOverDialog, OnlyOneOpenAtATime)
{
    TFDeckOverInfoDlg second;
    int secondResult = -1;
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(TFDeckOverInfoDlg::AnyOpen());
        secondResult = second.Execute();
        EXPECT_FALSE(second.isVisible());
        dialog.accept();
    });
    EXPECT_EQ(dialog.Execute(), QDialog::Accepted);
    EXPECT_EQ(secondResult, QDialog::Rejected);
    EXPECT_FALSE(TFDeckOverInfoDlg::AnyOpen());
}

} // namespace

namespace {

TEST_F(DeckOverDialog, TheHandsFiguresStandBetweenTheLinesAndTheButtons)
{
    Seat(0, "Ja", 20);
    Fill(1);
    const QSize plain = dialog.size();
    const QPoint okAt = dialog.findChild<QPushButton*>()->pos();
    EXPECT_EQ(dialog.FiguresTable(), nullptr);

    dialog.SetHandFigures(
        { { QStringLiteral("Ja/Mika"), 14, 2, 3 }, { QStringLiteral("Pera/Zika"), 8, 0, 0 } });
    QWidget* table = dialog.FiguresTable();
    ASSERT_NE(table, nullptr);
    QStringList texts;
    for (const QLabel* label : table->findChildren<QLabel*>())
        texts << label->text();
    for (const char* text :
        { "Poeni", "Table", "Bonus", "Ja/Mika", "14", "2", "3", "Pera/Zika", "8" })
        EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
    EXPECT_EQ(texts.count(QStringLiteral("0")), 2);
    // The dialog grows by the table, which stays clear of the lines above.
    EXPECT_GT(table->y(), dialog.MostCardsLabel()->geometry().bottom());
    EXPECT_GT(dialog.size().height(), plain.height() + table->height());
    EXPECT_EQ(
        dialog.findChild<QPushButton*>()->y() - okAt.y(), dialog.size().height() - plain.height());

    // None shows no table and gives the dialog its first size back.
    dialog.SetHandFigures({});
    EXPECT_EQ(dialog.FiguresTable(), nullptr);
    EXPECT_EQ(dialog.size(), plain);
}

} // namespace

namespace {

// "Analiza" is greyed with its reason while no hand is reviewed; chosen, it
// closes the dialog and says so.
TEST_F(DeckOverDialog, AnalysisButtonClosesTheDialogWhenAHandIsReviewed)
{
    Seat(0, "Ja", 20);
    Fill(0);
    QPushButton* analysis = dialog.AnalysisButton();
    EXPECT_FALSE(analysis->isEnabled());
    EXPECT_EQ(analysis->toolTip(), "Nijedna ruka jos nije procenjena.");
    dialog.SetAnalysisAvailable(true);
    EXPECT_TRUE(analysis->toolTip().isEmpty());
    QTimer::singleShot(0, &dialog, [&] { QTest::mouseClick(analysis, Qt::LeftButton); });
    EXPECT_EQ(dialog.Execute(), QDialog::Accepted);
    EXPECT_TRUE(dialog.AnalysisChosen());
    // Side by side with OK, inside the dialog.
    const QRect ok = dialog.findChild<QPushButton*>("ButtonOK")->geometry();
    EXPECT_FALSE(analysis->geometry().intersects(ok));
    EXPECT_EQ(analysis->y(), ok.y());
    EXPECT_TRUE(dialog.rect().contains(analysis->geometry()));
}

} // namespace
