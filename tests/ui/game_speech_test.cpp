// The game speaking for itself ("Govor"): the words of each kind of event in
// every language, the answers to the keys, the match told once and in order,
// and the option as the options dialog and the settings keep it.
#include "tests/ui/main_window_fixture.h"

#include "game/rules/match_rules.h"
#include "settings/ini.h"
#include "tools/screenshots/window_positions.h"
#include "ui/access/card_words.h"
#include "ui/access/game_speech.h"
#include "ui/access/speech_words.h"
#include "ui/desktop/language.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/window/game_option_setting.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include <memory>
#include <vector>

namespace {

constexpr auto Spade = [](int value) { return CardId(TIdSuit::Spades, value); };
constexpr auto Heart = [](int value) { return CardId(TIdSuit::Hearts, value); };
constexpr auto Diamond = [](int value) { return CardId(TIdSuit::Diamonds, value); };

struct TSaid {
    QString text;
    TSpeaker::TWhen when;
};

// Records what would have been spoken, in order.
class TRecordingSpeaker : public TSpeaker {
public:
    explicit TRecordingSpeaker(std::vector<TSaid>& said)
        : FSaid(said)
    {
    }
    void Say(const QString& text, TWhen when) override { FSaid.push_back({ text, when }); }
    void Stop() override { }

private:
    std::vector<TSaid>& FSaid;
};

std::vector<QString> Texts(const std::vector<TSaid>& said, TSpeaker::TWhen when)
{
    std::vector<QString> texts;
    for (const TSaid& s : said)
        if (s.when == when) texts.push_back(s.text);
    return texts;
}

} // namespace

TEST(SpeechWordsTest, EachKindOfEventInEveryLanguage)
{
    struct TRow {
        const char* language;
        QString (*words)();
        const char* expected;
    };
    const TRow rows[] = {
        { "sr_Latn",
            [] {
                return CardWords::Move("Mika", Spade(13), { Diamond(5), Heart(8) });
            },
            "Mika nosi 5 karo i 8 herc kartom kralj pik" },
        { "sr_Latn", [] { return SpeechWords::Turn("Mika"); }, "Na potezu: Mika." },
        { "sr_Latn", [] { return SpeechWords::Mark(Heart(7), true, "Zbir: 11"); },
            "7 herc označena. Zbir: 11." },
        { "sr_Latn", [] { return SpeechWords::Mark(Heart(7), false, {}); },
            "7 herc nije označena. Ništa nije označeno." },
        { "sr_Latn",
            [] {
                return SpeechWords::Hint(Spade(14), { Spade(4), Heart(7) });
            },
            "Savet: nosi 4 pik i 7 herc kartom as pik." },
        { "sr_Latn",
            [] {
                return SpeechWords::Hand({ "as pik", "8 karo" });
            },
            "Tvoje karte: 1: as pik, 2: 8 karo." },
        { "sr_Latn", [] { return SpeechWords::Table({}, { "3 karo" }); },
            "Gornji red: prazan. Donji red: 3 karo." },
        { "sr_Latn",
            [] {
                return SpeechWords::MatchEnd({ "Mika 101", "Zika 40" });
            },
            "Kraj partije. Mika 101, Zika 40." },
        { "sr_Cyrl", [] { return CardWords::Move("Мика", Spade(13), {}); },
            "Мика ставља краљ пик на талон" },
        { "sr_Cyrl", [] { return SpeechWords::Turn("Мика"); }, "На потезу: Мика." },
        { "sr_Cyrl", [] { return SpeechWords::RowEdge(true); }, "Крај реда." },
        { "sr_Cyrl", [] { return SpeechWords::Deal("Остало карата у шпилу: 24"); },
            "Нове карте подељене. Остало карата у шпилу: 24." },
        { "en",
            [] {
                return CardWords::Move("Mika", Spade(13), { Diamond(5), Heart(8) });
            },
            "Mika takes the 5 of diamonds and 8 of hearts with the king of spades" },
        { "en", [] { return SpeechWords::Turn("Mika"); }, "Mika's turn." },
        { "en", [] { return SpeechWords::NoRow(true); }, "No row above." },
        { "en", [] { return SpeechWords::Focused("5 of diamonds", 2, 6); },
            "5 of diamonds, 2 of 6" },
        { "en", [] { return SpeechWords::NoMarks(); }, "No cards are marked." },
    };
    for (const TRow& row : rows) {
        ASSERT_TRUE(InstallLanguage(QString::fromLatin1(row.language))) << row.language;
        EXPECT_EQ(row.words(), QString::fromUtf8(row.expected)) << row.language;
    }
    InstallLanguage(QStringLiteral("sr"));
}

class GameSpeechTest : public MainWindowTest {
protected:
    TForm1& Shown(const TMatchState& state)
    {
        TForm1& w = Make();
        w.Speech().SetSpeaker(std::make_unique<TRecordingSpeaker>(said));
        w.Speech().SetOn(true);
        sink.shown.confirmReply = false;
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        Controller().ShowState(state);
        said.clear();
        return w;
    }
    // The answer a key got, the one thing it said.
    QString Answer(Qt::Key key)
    {
        said.clear();
        QTest::keyClick(form.get(), key);
        const std::vector<QString> answers = Texts(said, TSpeaker::TWhen::Interrupt);
        EXPECT_EQ(answers.size(), 1u) << "key " << key;
        return answers.empty() ? QString() : answers.back();
    }

    std::vector<TSaid> said;
};

TEST_F(GameSpeechTest, EveryKeyIsAnsweredAloud)
{
    TForm1& w = Shown(OpenPosition(SeatS));
    // The ring's cards: with no screen reader running the game says them itself.
    EXPECT_EQ(Answer(Qt::Key_Up).toStdString(), "as pik, 1 od 5");
    Answer(Qt::Key_Up);
    EXPECT_EQ(Answer(Qt::Key_Up).toStdString(), "4 pik, 1 od 2") << "the upper row";
    EXPECT_EQ(Answer(Qt::Key_Up).toStdString(), "Nema reda iznad.");
    EXPECT_EQ(Answer(Qt::Key_Left).toStdString(), "Pocetak reda.");
    EXPECT_EQ(Answer(Qt::Key_Space).toStdString(), "4 pik oznacena. Zbir: 4.");
    EXPECT_EQ(Answer(Qt::Key_Right).toStdString(), "7 herc, 2 od 2");
    EXPECT_EQ(Answer(Qt::Key_Right).toStdString(), "Kraj reda.");
    EXPECT_EQ(Answer(Qt::Key_Space).toStdString(), "7 herc oznacena. Zbir: 11.");
    EXPECT_EQ(Answer(Qt::Key_Space).toStdString(), "7 herc nije oznacena. Zbir: 4.");
    EXPECT_EQ(Answer(Qt::Key_Escape).toStdString(), "Nista nije oznaceno.");
    EXPECT_EQ(Answer(Qt::Key_Escape).toStdString(), "Nema oznacenih karata.");
    Answer(Qt::Key_Left);
    EXPECT_EQ(Answer(Qt::Key_Space).toStdString(), "4 pik oznacena. Zbir: 4.");
    // The 8 of diamonds cannot take the 4 of spades: refused, and why.
    EXPECT_EQ(Answer(Qt::Key_2).toStdString(), "Oznacene karte ne mogu da se uzmu ovom kartom.");
    Answer(Qt::Key_Escape);
    // The keys that read the game.
    EXPECT_EQ(Answer(Qt::Key_S).toStdString(),
        "Gornji red: 4 pik, 7 herc. Donji red: 3 karo, 10 karo, dama herc.");
    const QString hand = Answer(Qt::Key_R);
    EXPECT_EQ(hand, "Tvoje karte: 1: as pik, 2: 8 karo, 3: dama tref, 4: 2 karo, 5: 9 tref.");
    EXPECT_EQ(Answer(Qt::Key_L).toStdString(), QString(hand).toStdString());
    EXPECT_EQ(Answer(Qt::Key_I).toStdString(),
        QString(QStringLiteral("Na potezu: %1").arg(w.PlayerS->PlayerName())).toStdString());
    EXPECT_EQ(Answer(Qt::Key_K).toStdString(), QString(w.StatusPanel(0)->text()).toStdString());
    EXPECT_EQ(Answer(Qt::Key_O).toStdString(), "Jos niko nije igrao.");
    EXPECT_TRUE(
        Answer(Qt::Key_B).startsWith(QStringLiteral("Poeni: %1 0").arg(w.PlayerS->PlayerName())));
}

TEST_F(GameSpeechTest, AKeyOffTheHumansTurnIsRefusedAloud)
{
    TForm1& w = Shown(OpenPosition(SeatW));
    EXPECT_EQ(Answer(Qt::Key_1).toStdString(),
        QString(QStringLiteral("Na potezu je %1").arg(w.PlayerW->PlayerName())).toStdString());
}

TEST_F(GameSpeechTest, TheRoundIsToldOnceAndInOrder)
{
    TForm1& w = Shown(OpenPosition(SeatS));
    QTest::keyClick(&w, Qt::Key_2); // the 8 of diamonds to the table
    WaitIdle();
    ASSERT_EQ(Controller().State().CurrentPlayer, SeatS);
    // Each seat's move, then the next seat's turn: S, W, N, E and S again.
    const TSavedMatch match = Controller().SavedMatch();
    std::vector<QString> expected;
    for (int seat : { SeatS, SeatW, SeatN, SeatE }) {
        const auto& move = match.lastMoves[std::size_t(seat)];
        expected.push_back(
            CardWords::Move(Controller().Seat(seat)->PlayerName(), move.playedId, move.takenIds));
        expected.push_back(SpeechWords::Turn(Controller().Seat((seat + 1) % 4)->PlayerName()));
    }
    std::string got;
    for (const QString& t : Texts(said, TSpeaker::TWhen::Queue))
        got += t.toStdString() + "|";
    std::string want;
    for (const QString& t : expected)
        want += t.toStdString() + "|";
    EXPECT_EQ(got, want);
    // The last move of every seat, read by O, in the seats' order.
    EXPECT_EQ(w.Speech().LastMoves()[SeatE], expected[6]);
}

TEST_F(GameSpeechTest, GovorFollowsTheScreenReaderUntilThePlayerChoosesInTheOptions)
{
    TForm1& w = Make();
    // Nobody chose: on while a screen reader runs, which the offscreen tests have not.
    EXPECT_FALSE(w.SpeechChosen(nullptr));
    EXPECT_FALSE(w.SpeechOn());
    TFOptions dialog;
    dialog.FillOptions(&Settings(), 0, 0, 0, 0, 0, true, false, true, true, true, false);
    dialog.FillSpeech(w.SpeechOn());
    QCheckBox* box = dialog.SpeechBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Govor");
    EXPECT_EQ(box->objectName(), "CheckSpeech");
    box->click();
    dialog.findChild<QAbstractButton*>(QStringLiteral("ButtonAccept"))->click();
    EXPECT_TRUE(ReadGameOption(Settings().FileName, QStringLiteral("Speech"), false));
    w.ApplySpeechSetting();
    bool on = false;
    EXPECT_TRUE(w.SpeechChosen(&on));
    EXPECT_TRUE(on);
    EXPECT_TRUE(w.SpeechOn());
}

TEST(GameSpeechQueueTest, TheSameFlowIsSaidOnceAndATurnOncePerMove)
{
    std::vector<TSaid> said;
    TGameSpeech speech([&] { return std::make_unique<TRecordingSpeaker>(said); });
    speech.Turn(1, "Na potezu: Zapad.");
    EXPECT_TRUE(said.empty()) << "off says nothing";
    speech.SetOn(true);
    speech.Turn(1, "Na potezu: Zapad.");
    speech.Turn(1, "Na potezu: Zapad.");
    speech.Move(1, "Zapad stavlja 2 pik na talon");
    speech.Turn(2, "Na potezu: Sever.");
    speech.Flow("Kraj ruke. Zapad 3.");
    speech.Flow("Kraj ruke. Zapad 3.");
    speech.Answer("Kraj reda.");
    speech.Answer("Kraj reda.");
    speech.Repeat();
    EXPECT_EQ(Texts(said, TSpeaker::TWhen::Queue),
        (std::vector<QString> { "Na potezu: Zapad.", "Zapad stavlja 2 pik na talon",
            "Na potezu: Sever.", "Kraj ruke. Zapad 3." }));
    EXPECT_EQ(Texts(said, TSpeaker::TWhen::Interrupt),
        (std::vector<QString> { "Kraj reda.", "Kraj reda.", "Kraj reda." }))
        << "each key press is answered, and L repeats";
}
