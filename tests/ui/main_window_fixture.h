#pragma once

#include "cards/zucard.h"
#include "tests/support/run_until.h"
#include "game/computer/computer_choice.h"
#include "game/controller/match_controller.h"
#include "game/rules/match_rules.h"
#include "platform/random.h"
#include "settings/ini.h"
#include "tests/support/recording_sink.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "ui/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The main window on a settings file of its own in a temporary folder, with
// zero computer pauses and a fixed seed; every message box is recorded.
class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AcquireCardPictures(); }
    static void TearDownTestSuite() { ReleaseCardPictures(); }

    MainWindowTest()
    {
        FixRandomSeed(1234);
        Settings().SetGameOptions(0, 0, 0, 0, 0, true, false, true, true, true, false);
    }
    ~MainWindowTest() override
    {
        form.reset();
        ReleaseRandomSeed();
    }

    // The settings file the window will read, for a test to change first.
    TIni& Settings()
    {
        if (!ini) ini = std::make_unique<TIni>(dir.filePath("Zaviko.ini"));
        return *ini;
    }
    // Changes options in the settings file before the window reads it.
    void SetOptions(const std::function<void(TIni&)>& change)
    {
        TIni& s = Settings();
        change(s);
        s.SetGameOptions(s.NumberOfPlayers, s.NumberOfDecks, s.CompPlays, s.CompPlayDelay,
            s.CompWaitForPlay, s.Clockwise, s.CompCardsTight, s.HumanCardsTight,
            s.CanViewMyCollectedCards, s.CanViewOtherCollectedCards, s.Log);
    }
    TForm1& Make()
    {
        form = std::make_unique<TForm1>(dir.path());
        return *form;
    }
    TMatchController& Controller() const { return form->Controller(); }
    // A click on a card as the group reports it to the window.
    static void ClickCard(TZuCardGroup* group, int slot)
    {
        ASSERT_TRUE(group->OnCardClick);
        bool playIt = false, faceDown = false;
        TZuTablePos pos = tpAuto;
        group->OnCardClick(group, group->CardAt(slot), slot, playIt, pos, faceDown, Qt::LeftButton);
    }
    // The human plays as a careful player: the best capture, else the lowest card.
    void CarefulHumanMove()
    {
        const TMatchState& state = Controller().State();
        const TComputerChoice choice
            = ChooseComputerMove(state.hands[SeatS], TableIds(state), csPametno, 1);
        const std::vector<TTableSlot> places = TableSlots(state);
        for (int position : choice.tablePositions) {
            const TTableSlot place = places.at(position);
            ClickCard(place.row == 0 ? form->Talon1 : form->Talon2, place.slot);
        }
        ClickCard(form->PlayerS, choice.handSlot);
    }
    // One step of a whole match: the start when the match waits for it, else
    // the careful human's move; then the window settles.
    void PlayOneTurn()
    {
        if (form->StartItemEnabled())
            form->Pocniigru1Click();
        else
            CarefulHumanMove();
        WaitIdle();
    }
    // Closes each end-of-hand dialog as it opens, so a whole match plays on.
    void CloseHandEndDialogs()
    {
        QObject::connect(&handEndCloser, &QTimer::timeout, [] {
            if (!TFDeckOverInfoDlg::AnyOpen()) return;
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        handEndCloser.start(1);
    }
    // The window on screen showing `state`; questions are answered "Ne".
    TForm1& ShownAt(const TMatchState& state)
    {
        TForm1& w = Make();
        sink.shown.confirmReply = false;
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        Controller().ShowState(state);
        return w;
    }

    // Starts matches until the human opens one; the seed makes each start repeatable.
    void SeedWhereHumanStarts()
    {
        for (std::uint64_t seed = 1; seed < 200; ++seed) {
            FixRandomSeed(seed);
            form->New1Click();
            if (Controller().CurrentPlayer() == form->PlayerS) return;
        }
        FAIL() << "no seed lets the human start";
    }

    // Runs `command`, which opens a modal dialog; `drive` acts on it once it
    // is open and must close it. False when no dialog of type D opened.
    template <typename D>
    bool WithModal(const std::function<void()>& command, const std::function<void(D&)>& drive)
    {
        bool seen = false;
        QTimer::singleShot(0, form.get(), [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<D*>(modal)) {
                seen = true;
                drive(*dialog);
            } else if (modal) {
                modal->close();
            }
        });
        command();
        QApplication::processEvents();
        return seen;
    }

    // Serves the worker's hand-offs until its sequence has ended.
    void WaitIdle()
    {
        QElapsedTimer timer;
        timer.start();
        while (Controller().Busy() && timer.elapsed() < 30000)
            ServeEventsOnce();
        ASSERT_FALSE(Controller().Busy()) << "the computer sequence did not end";
    }

    // Serves the event loop until the hint's search has shown its move.
    void WaitForHint()
    {
        QElapsedTimer timer;
        timer.start();
        while (Controller().HintSearching() && timer.elapsed() < 30000)
            ServeEventsOnce();
        ASSERT_FALSE(Controller().HintSearching()) << "the hint's search did not end";
    }

    QString LogText() const
    {
        QFile file(dir.filePath("Zaviko.log"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TScopedRecordingSink sink;
    QTemporaryDir dir;
    std::unique_ptr<TIni> ini;
    std::unique_ptr<TForm1> form;
    QTimer handEndCloser; // stops before the window goes
};
