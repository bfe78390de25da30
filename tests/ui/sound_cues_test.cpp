// "Zvuk": which sound each event plays and when, from the cue logic alone
// and through the real window playing scripted and whole matches with a
// recorder in place of the audio device; the option as the dialog and the
// settings keep it; the sounds the program holds are the generator's.
#include "tests/ui/main_window_fixture.h"
#include "tests/support/run_until.h"

#include "game/rules/match_rules.h"
#include "tools/screenshots/window_positions.h"
#include "tools/sound_gen/sound_synth.h"
#include "tools/sound_gen/wav_writer.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/sound/mixer_output.h"
#include "ui/sound/sound_cues.h"
#include "ui/sound/sound_mixer.h"
#include "ui/sound/sound_output.h"
#include "ui/sound/sound_setting.h"
#include "ui/window/animation_box.h"
#include "ui/window/game_option_setting.h"

#include <QCheckBox>
#include <QFile>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>
#include <vector>

namespace {

using enum TSoundCue;

// Records the cues in order instead of playing them.
class TRecordingOutput : public TSoundOutput {
public:
    TRecordingOutput(std::vector<TSoundCue>& heard, int* loads = nullptr)
        : FHeard(heard)
        , FLoads(loads)
    {
    }
    void Load() override
    {
        if (FLoads) ++*FLoads;
    }
    void Play(TSoundCue cue) override { FHeard.push_back(cue); }
    void SetVolume(int) override { }

private:
    std::vector<TSoundCue>& FHeard;
    int* FLoads;
};

std::string Names(const std::vector<TSoundCue>& cues)
{
    std::string names;
    for (TSoundCue cue : cues)
        names += SoundCueName(cue).toStdString() + ' ';
    return names;
}

// The sound a move makes, replayed on a copy of the state it was made in.
TSoundCue MoveCue(TMatchState& state, const TMoveRecord& move)
{
    const THand& hand = state.hands[std::size_t(move.seat)];
    const int slot = int(std::find(hand.begin(), hand.end(), move.playedId) - hand.begin());
    const TMoveOutcome outcome
        = ApplyMove(state, { move.seat, slot, SlotsOfIds(state, move.takenIds) });
    bool empty = true;
    for (const TTableSlot& place : TableSlots(state))
        empty &= state.table[place.row][place.slot] == kNoCard;
    if (move.takenIds.empty()) return Lay;
    if (empty || outcome.tableCleared) return Clear;
    return move.takenIds.size() >= std::size_t(TSoundCues::CaptureLongFrom) ? CaptureLong : Capture;
}

} // namespace

// --- The cue logic alone ---

TEST(SoundCuesTest, EachEventPlaysItsSoundAtItsMoment)
{
    struct TCase {
        const char* what;
        std::function<void(TSoundCues&)> events;
        std::vector<TSoundCue> heard;
    };
    const TCase cases[] = {
        { "moves by what they take",
            [](TSoundCues& c) {
                c.Move(0, false, false);
                c.Move(2, false, false);
                c.Move(3, false, false);
                c.Move(1, true, false);
            },
            { Lay, Capture, CaptureLong, Clear } },
        { "a flying move waits for its first card down; its other cards are quiet",
            [](TSoundCues& c) {
                c.Move(2, false, true);
                c.Turn(1, true, true);
                c.CardLanded(false);
                c.CardLanded(false);
                c.CardLanded(true);
            },
            { Capture } },
        { "a flying deal is heard card by card, the human's turn once all are down",
            [](TSoundCues& c) {
                c.Turn(0, false, false);
                c.Dealt(true);
                c.CardLanded(false);
                c.CardLanded(false);
                c.CardLanded(true);
            },
            { Deal, Deal, Deal, Turn } },
        { "without flights a deal is one sound, then the turn that waited for cards",
            [](TSoundCues& c) {
                c.Turn(0, false, false);
                c.Dealt(false);
            },
            { Deal, Turn } },
        { "the human's turn is news once per move; the computers' turns are quiet",
            [](TSoundCues& c) {
                c.Turn(0, true, false);
                c.Turn(0, true, false);
                c.Move(0, false, false);
                c.Turn(1, true, false);
                c.Turn(0, true, false);
            },
            { Turn, Lay, Turn } },
        { "a move still waiting is heard before what follows it",
            [](TSoundCues& c) {
                c.Move(0, false, true);
                c.HandEnd();
                c.Refused();
            },
            { Lay, HandEnd, Refused } },
        { "the match's end once, won or lost",
            [](TSoundCues& c) {
                c.MatchEnd(true);
                c.MatchEnd(true);
                c.Move(0, false, false);
                c.MatchEnd(false);
            },
            { Won, Lay, Lost } },
    };
    for (const TCase& test : cases) {
        std::vector<TSoundCue> heard;
        TSoundCues cues([&] { return std::make_unique<TRecordingOutput>(heard); });
        cues.SetOn(true);
        cues.Prepare();
        test.events(cues);
        EXPECT_EQ(Names(heard), Names(test.heard)) << test.what;
    }
}

TEST(SoundCuesTest, OffOrBeforeThePaintNothingIsHeardAndNoDeviceOpened)
{
    std::vector<TSoundCue> heard;
    int made = 0, loads = 0;
    TSoundCues cues([&] {
        ++made;
        return std::make_unique<TRecordingOutput>(heard, &loads);
    });
    cues.Prepare();
    cues.Move(0, false, false);
    cues.Refused();
    EXPECT_EQ(made, 0) << "off, the audio device is never opened";
    cues.SetOn(true); // the player turns it on in the options: read in now
    EXPECT_EQ(made, 1);
    EXPECT_EQ(loads, 1);
    cues.Refused();
    cues.SetOn(false);
    cues.Refused();
    EXPECT_EQ(Names(heard), Names({ Refused }));

    std::vector<TSoundCue> early;
    TSoundCues starting([&] { return std::make_unique<TRecordingOutput>(early); });
    starting.SetOn(true);
    starting.Dealt(false);
    starting.Turn(0, true, false);
    EXPECT_TRUE(early.empty()) << "the start-up's deal, before the window is painted";
}

// --- Through the window ---

class SoundWindowTest : public MainWindowTest {
protected:
    // The window with "Zvuk" on in its settings and a recorder for the device.
    TForm1& Heard(bool shown = true)
    {
        EXPECT_TRUE(StoreSound(dir.filePath("Zaviko.ini"), true, 55));
        TForm1& w = Make();
        EXPECT_TRUE(w.Sound().On());
        EXPECT_EQ(w.Sound().Volume(), 55);
        w.Sound().SetOutput(std::make_unique<TRecordingOutput>(heard));
        sink.shown.confirmReply = false;
        if (shown) {
            w.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
            for (int i = 0; i < 100 && Controller().FirstActivation(); ++i)
                QApplication::processEvents();
        }
        w.Sound().Prepare();
        return w;
    }
    // Closes each end-of-hand dialog as it opens.
    void CloseHandEnds()
    {
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (!TFDeckOverInfoDlg::AnyOpen()) return;
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        closer.start(1);
    }

    std::vector<TSoundCue> heard;
    QTimer closer;
};

TEST_F(SoundWindowTest, ARoundIsHeardMoveByMoveThenTheHumansTurn)
{
    Heard();
    const TMatchState start = OpenPosition(SeatS);
    Controller().ShowState(start);
    heard.clear();
    QTest::keyClick(form.get(), Qt::Key_2); // the 8 of diamonds laid down
    WaitIdle();
    ASSERT_EQ(Controller().State().CurrentPlayer, SeatS);
    const TMoveHistory history = Controller().SavedMatch().history;
    ASSERT_EQ(history.size(), 4u);
    TMatchState replay = start;
    std::vector<TSoundCue> expected;
    for (const TMoveRecord& move : history)
        expected.push_back(MoveCue(replay, move));
    expected.push_back(Turn);
    EXPECT_EQ(expected.front(), Lay);
    EXPECT_EQ(Names(heard), Names(expected));

    // A second round, taken back: the first round's moves shown again are
    // not heard again, and the undo is no refusal.
    const THand& hand = Controller().State().hands[SeatS];
    const int slot = int(std::find_if(hand.begin(), hand.end(), [](int id) {
        return id != kNoCard;
    }) - hand.begin());
    QTest::keyClick(form.get(), Qt::Key(Qt::Key_1 + slot));
    WaitIdle();
    ASSERT_EQ(Controller().SavedMatch().history.size(), 8u);
    heard.clear();
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Controller().SavedMatch().history.size(), 4u);
    EXPECT_EQ(Names(heard), "");
}

TEST_F(SoundWindowTest, ARefusedCaptureAndAKeyOffTurnSoundRefused)
{
    TForm1& w = Heard();
    Controller().ShowState(OpenPosition(SeatS));
    heard.clear();
    // The 4 of spades marked; the 8 of diamonds cannot take it.
    bool playIt = false, faceDown = false;
    TZuTablePos pos = tpAuto;
    w.Talon1->OnCardClick(w.Talon1, w.Talon1->CardAt(2), 2, playIt, pos, faceDown, Qt::LeftButton);
    QTest::keyClick(&w, Qt::Key_2);
    EXPECT_EQ(Names(heard), Names({ Refused }));

    Controller().ShowState(OpenPosition(SeatW));
    heard.clear();
    QTest::keyClick(&w, Qt::Key_1);
    EXPECT_EQ(Names(heard), Names({ Refused }));
}

TEST_F(SoundWindowTest, TheLastCardEndsTheHandAndTheMatchWonOrLost)
{
    struct TCase {
        int seat;
        TSoundCue end;
    };
    for (const TCase& test : { TCase { SeatS, Won }, TCase { SeatW, Lost } }) {
        Heard();
        CloseHandEnds();
        TMatchState state = LastCardPosition();
        state.Score[std::size_t(test.seat)] = 120; // past 100: the hand ends the match
        Controller().ShowState(state);
        heard.clear();
        QTest::keyClick(form.get(), Qt::Key_1);
        WaitIdle();
        QApplication::processEvents();
        ASSERT_TRUE(Controller().GameOver());
        EXPECT_EQ(Names(heard), Names({ Lay, HandEnd, test.end })) << "winner " << test.seat;
        form.reset();
    }
}

TEST_F(SoundWindowTest, WithFlightsTheMoveIsHeardWhenItsCardLands)
{
    ASSERT_TRUE(StoreAnimation(dir.filePath("Zaviko.ini"), TAnimation::Slow));
    TForm1& w = Heard();
    Controller().ShowState(OpenPosition(SeatS));
    w.Sprite()->SetFlightTime(600000); // nothing lands by itself while the test looks
    heard.clear();
    QTest::keyClick(&w, Qt::Key_2);
    QApplication::processEvents();
    ASSERT_GT(Controller().FlightsUp(), 0);
    EXPECT_EQ(Names(heard), "") << "heard before the card is down";
    Controller().LandFlights();
    EXPECT_EQ(Names(heard), Names({ Lay }));
    // The computers' moves land as they are made.
    QElapsedTimer timer;
    timer.start();
    while (Controller().Busy() && timer.elapsed() < 30000) {
        Controller().LandFlights();
        ServeEventsOnce();
    }
    ASSERT_FALSE(Controller().Busy());
    EXPECT_EQ(heard.size(), 5u) << Names(heard);
    EXPECT_EQ(heard.back(), Turn);
}

// A whole match of two players: every move heard once, a sound for each
// hand's end and for the match's, last, as the winner has it.
TEST_F(SoundWindowTest, AWholeMatchIsHeardEventByEvent)
{
    SetOptions([](TIni& s) { s.NumberOfPlayers = kTwoPlayers; });
    TForm1& w = Heard(false);
    CloseHandEnds();
    for (int turns = 0; !Controller().GameOver() && turns < 2000; ++turns) {
        if (w.StartItemEnabled()) {
            w.Pocniigru1Click();
        } else {
            // The first card the hand holds, laid down.
            const TMatchState& state = Controller().State();
            int slot = 0;
            while (state.hands[SeatS][std::size_t(slot)] == kNoCard)
                ++slot;
            bool playIt = false, faceDown = false;
            TZuTablePos pos = tpAuto;
            w.PlayerS->OnCardClick(
                w.PlayerS, w.PlayerS->CardAt(slot), slot, playIt, pos, faceDown, Qt::LeftButton);
        }
        WaitIdle();
    }
    const auto refused = std::count(heard.begin(), heard.end(), Refused);
    ASSERT_TRUE(Controller().GameOver());
    const TMatchState& state = Controller().State();
    std::size_t moves = 0, handEnds = 0, turns = 0;
    for (TSoundCue cue : heard) {
        moves += cue == Lay || cue == Capture || cue == CaptureLong || cue == Clear;
        handEnds += cue == HandEnd;
        turns += cue == Turn;
    }
    EXPECT_EQ(moves, Controller().SavedMatch().history.size());
    EXPECT_EQ(handEnds, std::size_t(state.HandsPlayed));
    EXPECT_GT(turns, 0u);
    EXPECT_EQ(refused, 0);
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back(), WinnerSeat(state) == SeatS ? Won : Lost);
    EXPECT_EQ(
        std::count(heard.begin(), heard.end(), Won) + std::count(heard.begin(), heard.end(), Lost),
        1);
}

TEST_F(SoundWindowTest, ZvukIsOffUntilChosenAndKeptWithItsVolume)
{
    TForm1& w = Make();
    EXPECT_FALSE(w.Sound().On()) << "the game starts silent as it always has";
    bool seen = WithModal<TFOptions>([&] { w.Opcije1Click(); },
        [](TFOptions& dialog) {
            QCheckBox* box = dialog.SoundBox();
            QSlider* slider = dialog.VolumeSlider();
            EXPECT_EQ(box->text(), "Zvuk");
            EXPECT_FALSE(box->isChecked());
            EXPECT_EQ(slider->value(), DefaultSoundVolume);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
            slider->setFocus();
            QTest::keyClick(slider, Qt::Key_PageDown); // one page quieter
            dialog.findChild<QAbstractButton*>(QStringLiteral("ButtonAccept"))->click();
        });
    ASSERT_TRUE(seen);
    EXPECT_TRUE(w.Sound().On());
    EXPECT_EQ(w.Sound().Volume(), DefaultSoundVolume - 10);
    EXPECT_TRUE(ReadSoundOn(Settings().FileName));
    EXPECT_EQ(ReadSoundVolume(Settings().FileName), DefaultSoundVolume - 10);
    // A volume out of range in a file edited by hand is brought into it.
    ASSERT_TRUE(StoreGameNumber(Settings().FileName, QStringLiteral("SoundVolume"), 250));
    EXPECT_EQ(ReadSoundVolume(Settings().FileName), 100);
}

// The program holds each cue's sound, exactly as the generator makes it.
TEST(SoundFilesTest, EveryCueHasTheGeneratorsSoundInTheProgram)
{
    ASSERT_EQ(SoundSynth::Designs().size(), std::size_t(SoundCueCount));
    for (int i = 0; i < SoundCueCount; ++i) {
        const TSoundCue cue = TSoundCue(i);
        QFile file(QUrl(SoundCueSource(cue)).path().prepend(':'));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const std::vector<char> made
            = WavBytes(SoundSynth::Make(SoundCueName(cue).toStdString()), SoundSynth::SampleRate);
        ASSERT_FALSE(made.empty());
        const QByteArray held = file.readAll();
        EXPECT_TRUE(held == QByteArray(made.data(), qsizetype(made.size())))
            << SoundCueName(cue).toStdString();
    }
}

// --- The mix the audio stream is fed ---

TEST(SoundMixerTest, SoundsThatOverlapAreAddedEachFromItsOwnStart)
{
    TSoundMixer mixer;
    mixer.SetSound(0, { 1000, 2000, 3000 });
    mixer.SetSound(1, { 30000, 30000 });
    std::vector<std::int16_t> out(4, -1);
    mixer.Mix(out.data(), 1); // silence until a sound starts
    EXPECT_EQ(out[0], 0);
    mixer.Start(0);
    mixer.Mix(out.data(), 1);
    mixer.Start(0); // the same sound again while it plays
    mixer.Start(1);
    mixer.Mix(out.data(), 4);
    // 2000 + 1000 + 30000, then 3000 + 2000 + 30000 clipped, then 3000, then silence.
    EXPECT_EQ(out, (std::vector<std::int16_t> { 32767, 32767, 3000, 0 }));
    EXPECT_FALSE(mixer.Playing());
    mixer.SetGain(0.5);
    mixer.Start(0);
    mixer.Start(7); // no such sound: silent
    mixer.Mix(out.data(), 4);
    EXPECT_EQ(out, (std::vector<std::int16_t> { 500, 1000, 1500, 0 }));
    for (std::size_t i = 0; i < TSoundMixer::MaxVoices + 3; ++i)
        mixer.Start(1);
    mixer.SetGain(0.01);
    mixer.Mix(out.data(), 1);
    EXPECT_EQ(out[0], std::int16_t(TSoundMixer::MaxVoices * 300)) << "the oldest voices dropped";
}

TEST(SoundMixerTest, OnlyTheGeneratorsFormOfWavIsRead)
{
    QTemporaryDir dir;
    const auto write = [&](const char* name, std::vector<char> bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qsizetype(bytes.size()));
        return file.fileName();
    };
    const std::vector<std::int16_t> samples { 0, 1200, -1200, 0 };
    EXPECT_EQ(ReadSoundFile(write("good.wav", WavBytes(samples, 44100))), samples);
    EXPECT_TRUE(ReadSoundFile(write("rate.wav", WavBytes(samples, 22050))).empty());
    std::vector<char> cut = WavBytes(samples, 44100);
    cut.resize(cut.size() - 3);
    EXPECT_TRUE(ReadSoundFile(write("cut.wav", cut)).empty());
    EXPECT_TRUE(ReadSoundFile(write("text.wav", { 'n', 'o' })).empty());
    EXPECT_TRUE(ReadSoundFile(dir.filePath("missing.wav")).empty());
}
