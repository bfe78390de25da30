// The review of the human's moves as the player sees it: the end-of-hand
// dialog's accuracy and costliest mistake (or that the hand is being judged),
// and the marks of "Tok igre" with the better move named in the text and in
// the mark's tooltip; after a real hand in the window, both show.
#include "tests/ui/main_window_fixture.h"
#include "tests/support/run_until.h"

#include "game/review/review_marks.h"
#include "ui/window/move_history_panel.h"

#include <QLabel>
#include <QTextBrowser>

namespace {

// Card IDs: clubs 2..14, diamonds 15..27, spades 28..40, hearts 41..53.
// S holds the seven of clubs and the two of diamonds; the table the seven of
// diamonds. Capturing it (slot 0) is worth 2 points more than laying the
// two down (slot 1).
TMatchState Before()
{
    TMatchState state;
    StartMatch(state, kTwoPlayers, 0, true);
    state.hands[SeatS] = { 7, 15, kNoCard, kNoCard, kNoCard, kNoCard };
    state.table[0][0] = 20;
    return state;
}

TReviewedMove Reviewed(int playedSlot, bool judged)
{
    const TMatchState before = Before();
    const TMove capture { SeatS, 0, { { 0, 0 } } }, layDown { SeatS, 1, {} };
    TReviewedMove reviewed { before, playedSlot == 0 ? capture : layDown, {}, {} };
    if (judged) reviewed.fair = { { capture, 2.5, 0.1 }, { layDown, 0.5, 0.1 } };
    return reviewed;
}

TMoveRecord Record(const TReviewedMove& m)
{
    std::vector<int> taken;
    for (const TTableSlot& place : m.played.take)
        taken.push_back(m.before.table[place.row][place.slot]);
    return { 0, SeatS, m.before.hands[SeatS][m.played.handSlot], taken };
}

class HandReviewTest : public MainWindowTest { };

TEST_F(HandReviewTest, TheDialogSaysHowTheHandWasPlayedOnceItIsJudged)
{
    struct Case {
        const char* what;
        std::vector<TReviewedMove> moves;
        bool shown;
        QString text;
    } cases[] = {
        { "no move of the human", {}, false, QString() },
        { "not judged yet", { Reviewed(1, false), Reviewed(0, true) }, true,
            "Potezi ovog deljenja se analiziraju..." },
        { "one good move, one mistake", { Reviewed(0, true), Reviewed(1, true) }, true,
            "Preciznost: 50%\nNajveca greska: 2♦ na talon (2.0 poena manje od: 7♣ nosi 7♦)" },
        { "only good moves", { Reviewed(0, true) }, true,
            "Preciznost: 100%\nNajveca greska: nema" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TFDeckOverInfoDlg dialog;
        const int plain = dialog.height();
        const THandReview hand { 1, c.moves };
        dialog.SetReview(c.moves.empty() ? nullptr : &hand);
        EXPECT_EQ(dialog.ReviewLabel()->isVisibleTo(&dialog), c.shown);
        QTextDocument shown;
        shown.setHtml(dialog.ReviewLabel()->text());
        EXPECT_EQ(shown.toPlainText(), c.text);
        if (c.shown) {
            EXPECT_GT(dialog.height(), plain) << "the lines take room of their own";
            EXPECT_FALSE(dialog.ReviewLabel()->accessibleName().isEmpty());
        }
    }
}

TEST_F(HandReviewTest, TokIgreMarksEachJudgedMoveAndNamesTheBetterOne)
{
    TMoveHistoryPanel panel([](int) { return QStringLiteral("Ja"); }, nullptr);
    const std::vector<TReviewedMove> moves = { Reviewed(0, true), Reviewed(1, true) };
    panel.ShowHistory({ Record(moves[0]), Record(moves[1]) });
    panel.resize(TMoveHistoryPanel::PanelWidth, 300);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const QString unmarked = panel.Text()->toPlainText();
    EXPECT_FALSE(unmarked.contains("bolje"));
    panel.ShowReviews({ THandReview { 1, moves } });
    const QString text = panel.Text()->toPlainText();
    EXPECT_TRUE(text.contains("Ja: 7♣ nosi 7♦ ✓")) << text.toStdString();
    EXPECT_TRUE(text.contains("Ja: 2♦ na talon ?\nGreska, 2.0 poena manje; bolje: 7♣ nosi 7♦"))
        << text.toStdString();
    // Each mark's tooltip: found by hovering over the text.
    QStringList tips;
    for (int y = 0; y < panel.Text()->viewport()->height(); y += 2)
        for (int x = 0; x < panel.Text()->viewport()->width(); x += 2) {
            const QString tip = panel.MarkTipAt({ x, y });
            if (!tip.isEmpty() && !tips.contains(tip)) tips << tip;
        }
    ASSERT_EQ(tips.size(), 2) << tips.join('|').toStdString();
    EXPECT_EQ(tips[0], "Dobar potez");
    EXPECT_TRUE(tips[1].startsWith("Greska, 2.0 poena manje; bolje: ")) << tips[1].toStdString();

    // A hand resumed from a saved match was reviewed from the resume on: the
    // move before it (the two of spades) bears no mark, the later ones theirs.
    panel.ShowHistory({ TMoveRecord { 0, SeatS, 28, {} }, Record(moves[0]), Record(moves[1]) });
    const QStringList lines = panel.Text()->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[1], "Ja: 2♠ na talon");
    EXPECT_EQ(lines[2], "Ja: 7♣ nosi 7♦ ✓");
    EXPECT_EQ(lines[3], "Ja: 2♦ na talon ?");
}

// A hand played in the window: the dialog's lines land while it is open,
// and "Tok igre" marks every move of the human's in it.
TEST_F(HandReviewTest, AfterARealHandTheDialogAndTokIgreShowTheReview)
{
    SetOptions([](TIni& s) { s.NumberOfPlayers = kTwoPlayers; });
    TForm1& w = Make();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    SeedWhereHumanStarts();
    w.HistoryPanel()->show();
    // The dialog is closed once the judgement has landed in it.
    QString lines;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<TFDeckOverInfoDlg*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->ReviewLabel()->text().startsWith("Preciznost")) return;
        lines = dialog->ReviewLabel()->text();
        dialog->close();
    });
    closer.start(1);
    int humanMoves = 0;
    while (Controller().State().HandsPlayed == 0 && !HasFailure()) {
        ASSERT_EQ(Controller().State().CurrentPlayer, SeatS);
        ++humanMoves;
        CarefulHumanMove();
        WaitIdle();
    }
    closer.stop();
    EXPECT_TRUE(lines.startsWith("Preciznost: ")) << lines.toStdString();
    EXPECT_TRUE(lines.contains("Najveca greska: ")) << lines.toStdString();
    QElapsedTimer timer;
    timer.start();
    while (w.ReviewedHand() != 0 && timer.elapsed() < 30000)
        ServeEventsOnce();
    ASSERT_EQ(w.Reviews().size(), 1U);
    EXPECT_EQ(int(w.Reviews()[0].moves.size()), humanMoves);
    const QString text = w.HistoryPanel()->Text()->toPlainText();
    const int marks = int(
        text.count(" ✓") + text.count(" ?!") + text.count(" ?\n") + (text.endsWith(" ?") ? 1 : 0));
    EXPECT_EQ(marks, humanMoves) << text.toStdString();
}

// The first hand's review is kept with the match in progress: closing and
// going on with the match at the next start brings it back, marks and all.
TEST_F(HandReviewTest, AResumedMatchKeepsItsReview)
{
    SetOptions([](TIni& s) { s.NumberOfPlayers = kTwoPlayers; });
    Make().show();
    SeedWhereHumanStarts();
    CloseHandEndDialogs();
    while (Controller().State().HandsPlayed == 0 && !HasFailure()) {
        CarefulHumanMove();
        WaitIdle();
    }
    QElapsedTimer timer;
    timer.start();
    while (form->ReviewedHand() != 0 && timer.elapsed() < 30000)
        ServeEventsOnce();
    ASSERT_EQ(form->ReviewedHand(), 0);
    const std::vector<THandReview> judged = form->Reviews();
    ASSERT_EQ(judged.size(), 1U);
    CarefulHumanMove();
    WaitIdle();
    handEndCloser.stop();
    sink.shown.confirmReply = true;
    ASSERT_TRUE(form->close());
    form.reset();

    Make().show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    WaitIdle();
    ASSERT_GT(Controller().State().MovesMade, 0) << "the match was resumed";
    ASSERT_EQ(form->Reviews().size(), 1U);
    const THandReview& kept = form->Reviews().front();
    EXPECT_EQ(kept.hand, 1);
    ASSERT_EQ(kept.moves.size(), judged[0].moves.size());
    EXPECT_EQ(
        AccuracyPercent(kept, ReviewView::Fair), AccuracyPercent(judged[0], ReviewView::Fair));
    for (std::size_t i = 0; i < kept.moves.size(); ++i)
        EXPECT_EQ(
            MarkOf(kept.moves[i], ReviewView::Fair), MarkOf(judged[0].moves[i], ReviewView::Fair));

    // A new match takes the kept review along.
    sink.shown.confirmReply = true;
    form->New1Click();
    EXPECT_TRUE(form->Reviews().empty());
    EXPECT_FALSE(QFile::exists(dir.filePath("Zaviko.rev")));
}

} // namespace
