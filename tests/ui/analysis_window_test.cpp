// The "Analiza" window: stepping through the reviewed moves by keys and
// buttons, its words, the switch to every card shown, what it never shows,
// new judgements arriving while it is open, and the ways to reach it.
#include "tests/ui/captured_cards_fixture.h"
#include "tests/ui/main_window_fixture.h"
#include "tools/screenshots/review_positions.h"
#include "ui/review/analysis_window.h"
#include "ui/review/review_board.h"

#include <QAccessible>
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <set>

namespace {

// Two made-up hands: the first judged in both views, the second (two
// players, 24 moves) not yet with every card known.
class AnalysisWindow : public CapturedCardsTest {
protected:
    AnalysisWindow()
    {
        reviews = { SampleHandReview(11, kEachForHimself, 1),
            SampleHandReview(12, kTwoPlayers, 2, false) };
    }
    void Show()
    {
        window.SetReviews(reviews);
        window.ShowWindow();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QString Heading() const { return window.StepText().section('\n', 0, 0); }

    std::vector<THandReview> reviews;
    TFAnaliza window;
};

// Every card the human saw at a move: its hand and the table.
std::set<int> SeenCards(const TReviewedMove& m)
{
    std::set<int> seen(m.before.hands[m.played.seat].begin(), m.before.hands[m.played.seat].end());
    for (const auto& row : m.before.table)
        seen.insert(row.begin(), row.end());
    seen.erase(kNoCard);
    return seen;
}

TEST_F(AnalysisWindow, TheMadeUpHandsAreWholeHands)
{
    ASSERT_EQ(reviews[0].moves.size(), 12u) << "four play one deck: 12 moves each";
    ASSERT_EQ(reviews[1].moves.size(), 24u) << "two play one deck: 24 moves each";
}

// Keys and buttons step within the hand and across hands, never past the ends.
TEST_F(AnalysisWindow, StepsByKeysAndButtonsWithinBounds)
{
    Show();
    EXPECT_EQ(Heading(), "Ruka 2, potez 1 od 24") << "the latest hand opens";
    struct TStep {
        const char* what;
        std::function<void()> act;
        int hand, move;
        const char* heading;
    };
    auto key = [this](Qt::Key k) { return [this, k] { QTest::keyClick(&window, k); }; };
    auto click = [](QPushButton* b) { return [b] { QTest::mouseClick(b, Qt::LeftButton); }; };
    const TStep steps[] = {
        { "Left at the first move", key(Qt::Key_Left), 1, 0, "Ruka 2, potez 1 od 24" },
        { "Right", key(Qt::Key_Right), 1, 1, "Ruka 2, potez 2 od 24" },
        { "next move button", click(window.NextMoveButton()), 1, 2, "Ruka 2, potez 3 od 24" },
        { "End", key(Qt::Key_End), 1, 23, "Ruka 2, potez 24 od 24" },
        { "Right at the last move", key(Qt::Key_Right), 1, 23, "Ruka 2, potez 24 od 24" },
        { "PageDown at the last hand", key(Qt::Key_PageDown), 1, 23, "Ruka 2, potez 24 od 24" },
        { "previous move button", click(window.PreviousMoveButton()), 1, 22,
            "Ruka 2, potez 23 od 24" },
        { "PageUp", key(Qt::Key_PageUp), 0, 0, "Ruka 1, potez 1 od 12" },
        { "PageUp at the first hand", key(Qt::Key_PageUp), 0, 0, "Ruka 1, potez 1 od 12" },
        { "End", key(Qt::Key_End), 0, 11, "Ruka 1, potez 12 od 12" },
        { "Home", key(Qt::Key_Home), 0, 0, "Ruka 1, potez 1 od 12" },
        { "next hand button", click(window.NextHandButton()), 1, 0, "Ruka 2, potez 1 od 24" },
        { "previous hand button", click(window.PreviousHandButton()), 0, 0,
            "Ruka 1, potez 1 od 12" },
        { "PageDown", key(Qt::Key_PageDown), 1, 0, "Ruka 2, potez 1 od 24" },
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(window.HandIndex(), step.hand);
        EXPECT_EQ(window.MoveIndex(), step.move);
        EXPECT_EQ(Heading().toStdString(), step.heading);
        // A button that would step past an end is greyed.
        const int moves = int(reviews[step.hand].moves.size());
        EXPECT_EQ(window.PreviousMoveButton()->isEnabled(), step.move > 0);
        EXPECT_EQ(window.NextMoveButton()->isEnabled(), step.move + 1 < moves);
        EXPECT_EQ(window.PreviousHandButton()->isEnabled(), step.hand > 0);
        EXPECT_EQ(window.NextHandButton()->isEnabled(), step.hand == 0);
    }
}

// The lines name the move played and the best one, their values, the cost
// with its error and the mark.
TEST_F(AnalysisWindow, TheLinesSayTheMovesTheCostAndTheMark)
{
    struct TCase {
        double played, best, error;
        const char* cost;
    };
    for (const TCase& c : { TCase { 2.0, 2.0, 0.1, "Cena: 0.0 ± 0.0 poena (Najbolji potez)" },
             TCase { 1.7, 2.0, 0.1, "Cena: 0.3 ± 0.1 poena (Dobar potez)" },
             TCase { 1.2, 2.0, 0.1, "Cena: 0.8 ± 0.1 poena (Mala greska)" },
             TCase { 1.2, 2.0, 0.6, "Cena: 0.8 ± 0.8 poena (Dobar potez)" },
             TCase { -1.0, 2.0, 0.2, "Cena: 3.0 ± 0.3 poena (Greska)" } }) {
        SCOPED_TRACE(c.cost);
        TReviewedMove m;
        StartMatch(m.before, kTwoPlayers, 0, true);
        m.before.hands[SeatS] = { CardId(TIdSuit::Diamonds, 7), CardId(TIdSuit::Hearts, 5) };
        m.before.table[0][0] = CardId(TIdSuit::Clubs, 3);
        m.before.table[0][1] = CardId(TIdSuit::Spades, 4);
        m.before.table[1][2] = CardId(TIdSuit::Spades, 7);
        m.played = { SeatS, 0, { { 0, 0 }, { 0, 1 } } };
        const TMove best = c.played == c.best ? m.played : TMove { SeatS, 1, {} };
        m.fair = { { best, c.best, c.error } };
        if (c.played != c.best) m.fair.push_back({ m.played, c.played, c.error });
        window.SetReviews({ { 3, { m } } });
        const QStringList lines = window.StepText().split('\n');
        ASSERT_EQ(lines.size(), 4);
        EXPECT_EQ(lines[0], "Ruka 3, potez 1 od 1");
        EXPECT_EQ(lines[1].toStdString(),
            "Tvoj potez: 7 karo nosi 3 tref i 4 pik, vrednost "
                + QStringLiteral("%1%2")
                      .arg(c.played > 0 ? "+" : "")
                      .arg(c.played, 0, 'f', 1)
                      .toStdString());
        EXPECT_EQ(lines[2].startsWith(c.played == c.best ? "Najbolji potez: 7 karo nosi"
                                                         : "Najbolji potez: 5 herc na talon"),
            true)
            << lines[2].toStdString();
        EXPECT_EQ(lines[3].toStdString(), c.cost);
        EXPECT_FALSE(window.Judging());
    }
}

// The fair view draws only what the human saw; every card shown draws the
// other hands face up too, and the deck never; the window says which view
// it shows, on screen and to a screen reader.
TEST_F(AnalysisWindow, TheFairViewNeverDrawsAHiddenCard)
{
    Show();
    for (int hand = 0; hand < 2; ++hand)
        for (bool every : { false, true }) {
            window.EveryCardBox()->setChecked(every);
            EXPECT_EQ(window.View(), every ? ReviewView::EveryCard : ReviewView::Fair);
            const QString name
                = every ? "Procena sa svim kartama otkrivenim" : "Procena iz onoga sto si znao";
            const QString described = QAccessible::queryAccessibleInterface(window.Board())
                                          ->text(QAccessible::Description);
            EXPECT_TRUE(described.startsWith(name)) << described.toStdString();
            for (int move = 0; move < int(reviews[hand].moves.size()); ++move) {
                window.GoTo(hand, move);
                const TReviewedMove& m = reviews[hand].moves[move];
                std::set<int> allowed = SeenCards(m);
                int others = 0;
                for (int seat = 0; seat < kSeatCount; ++seat)
                    for (int id : m.before.hands[seat])
                        if (seat != m.played.seat && id != kNoCard) {
                            others++;
                            if (every) allowed.insert(id);
                        }
                const std::vector<int> faces = window.Board()->FaceIds();
                for (int id : faces)
                    EXPECT_TRUE(allowed.count(id)) << "card " << id << " at move " << move;
                EXPECT_EQ(faces.size(), SeenCards(m).size() + (every ? others : 0));
                const auto& drawn = window.Board()->Drawn();
                EXPECT_EQ(int(drawn.size() - faces.size()),
                    (every ? 0 : others) + (m.before.deck.empty() ? 0 : 1))
                    << "the hidden cards and the deck are backs";
            }
        }
}

// The played move and the best one are ringed on their cards; a view still
// being judged shows the progress and rings only the move played.
TEST_F(AnalysisWindow, TheMovesAreRingedAndJudgingShowsProgress)
{
    Show();
    for (bool every : { false, true }) {
        window.EveryCardBox()->setChecked(every);
        SCOPED_TRACE(every);
        const bool judging = every; // the second hand waits for every card
        EXPECT_EQ(window.Judging(), judging);
        EXPECT_EQ(window.findChild<QProgressBar*>()->isVisible(), judging);
        EXPECT_EQ(window.StepText().contains("Racunar procenjuje ruku..."), judging);
        const TReviewedMove& m = reviews[1].moves[0];
        const int played = m.before.hands[SeatS][m.played.handSlot];
        int rings = 0, bestRings = 0;
        for (const TReviewBoard::TDrawnCard& card : window.Board()->Drawn()) {
            rings += card.played;
            bestRings += card.best;
            if (card.played) {
                EXPECT_TRUE(card.id == played || SeenCards(m).count(card.id));
            }
        }
        EXPECT_EQ(rings, 1 + int(m.played.take.size()));
        EXPECT_EQ(bestRings == 0, judging);
    }
}

// New judgements keep the position shown while its hand and move remain.
TEST_F(AnalysisWindow, NewReviewsKeepThePosition)
{
    window.SetReviews({});
    EXPECT_EQ(window.HandIndex(), -1);
    EXPECT_FALSE(window.HasHands());
    EXPECT_FALSE(window.NextMoveButton()->isEnabled());
    Show();
    window.GoTo(1, 5);
    std::vector<THandReview> more = reviews;
    more[1].moves[5].everyCard = more[1].moves[5].fair;
    more.push_back(SampleHandReview(13, kEachForHimself, 3, false));
    struct TCase {
        const char* what;
        std::vector<THandReview> reviews;
        int hand, move;
    };
    for (const TCase& c : { TCase { "a new hand and a judged view", more, 1, 5 },
             TCase { "the same again", more, 1, 5 },
             TCase { "the hand gone: the latest", { reviews[0] }, 0, 0 } }) {
        SCOPED_TRACE(c.what);
        window.SetReviews(c.reviews);
        EXPECT_EQ(window.HandIndex(), c.hand);
        EXPECT_EQ(window.MoveIndex(), c.move);
    }
}

// Each step is read out: the board's accessible description follows it.
TEST_F(AnalysisWindow, EachStepIsTheBoardsAccessibleDescription)
{
    Show();
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(window.Board());
    ASSERT_TRUE(board);
    QString before = board->text(QAccessible::Description);
    for (Qt::Key key : { Qt::Key_Right, Qt::Key_Right, Qt::Key_PageUp }) {
        QTest::keyClick(&window, key);
        const QString now = board->text(QAccessible::Description);
        EXPECT_NE(now, before);
        EXPECT_TRUE(now.endsWith(window.StepText())) << now.toStdString();
        before = now;
    }
}

using AnalysisReach = MainWindowTest;

// "Igra" > "Analiza" is greyed with its reason until a hand is reviewed;
// the end-of-hand dialog's "Analiza" opens the latest hand.
TEST_F(AnalysisReach, FromTheMenuAndTheEndOfHandDialog)
{
    TForm1& w = Make();
    QAction* item = w.Menu().Analysis;
    ASSERT_TRUE(item);
    EXPECT_FALSE(item->isEnabled());
    EXPECT_EQ(item->text(), "&Analiza (nijedna ruka jos nije procenjena)");
    const std::vector<THandReview> reviews { SampleHandReview(11, kEachForHimself, 1),
        SampleHandReview(12, kEachForHimself, 2) };
    w.ShowReviews(reviews, 0);
    EXPECT_TRUE(item->isEnabled());
    EXPECT_EQ(item->text(), "&Analiza...");
    w.Analysis()->GoTo(0, 3);
    item->trigger();
    EXPECT_TRUE(w.Analysis()->isVisible());
    EXPECT_FALSE(w.Analysis()->isModal());
    EXPECT_EQ(w.Analysis()->MoveIndex(), 3) << "the menu opens where it was left";
    w.Analysis()->close();

    THandEndDisplay display;
    display.seats = { w.PlayerS, w.PlayerW, w.PlayerN, w.PlayerE };
    bool enabled = false;
    QTimer::singleShot(0, &w, [&] {
        auto* dialog = qobject_cast<TFDeckOverInfoDlg*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        enabled = dialog->AnalysisButton()->isEnabled();
        QTest::mouseClick(dialog->AnalysisButton(), Qt::LeftButton);
    });
    w.ShowHandEnd(display);
    EXPECT_TRUE(enabled);
    EXPECT_FALSE(TFDeckOverInfoDlg::AnyOpen()) << "the dialog closed";
    EXPECT_TRUE(w.Analysis()->isVisible());
    EXPECT_EQ(w.Analysis()->HandIndex(), 1);
    EXPECT_EQ(w.Analysis()->MoveIndex(), 0);
}

} // namespace
