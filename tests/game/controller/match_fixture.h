#pragma once

#include "cards/zucard.h"
#include "tests/support/run_until.h"
#include "game/computer/computer_choice.h"
#include "game/controller/match_controller.h"
#include "platform/random.h"
#include "settings/ini.h"
#include "log/log_file.h"
#include "tests/support/recording_sink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>

// Records what the controller shows outside the card groups; the end-of-hand
// dialog returns at once.
class TRecordingView : public TMatchView {
public:
    std::array<QString, 3> status;
    std::map<std::tuple<int, int, int>, QString> cells;
    std::array<bool, 3> panelVisible {};
    bool tableChecked = true;
    bool startEnabled = false;
    bool sideSeatsVisible = true;
    int handEnds = 0, arranged = 0, overviewsClosed = 0;
    std::vector<THandEndDisplay> handEndShown;

    void SetStatusText(int panel, const QString& text) override { status.at(panel) = text; }
    void SetScoreCell(int grid, int column, int row, const QString& text) override
    {
        cells[{ grid, column, row }] = text;
    }
    void SetScoreColumnWidths(int, const std::array<int, 5>&) override { }
    void RefreshScoreGrid(int) override { }
    void SetScorePanelVisible(int grid, bool visible) override { panelVisible.at(grid) = visible; }
    void SetScoreTableChecked(bool checked) override { tableChecked = checked; }
    void SetStartItemEnabled(bool enabled) override { startEnabled = enabled; }
    void SetSideSeatsVisible(bool visible) override { sideSeatsVisible = visible; }
    void ArrangeTable() override { ++arranged; }
    void RepaintWindow() override { }
    void ShowHandEnd(const THandEndDisplay& display) override
    {
        ++handEnds;
        handEndShown.push_back(display);
    }
    void CloseOverview() override { ++overviewsClosed; }
    void ShowLastMove(int seat, int playedId, const std::vector<int>& takenIds) override
    {
        lastMoves[seat] = { playedId, takenIds };
    }
    void ClearLastMoves() override { lastMoves.clear(); }
    void MarkSeatOnTurn(int seat) override { onTurn = seat; }
    void ShowHintCard(int slot) override { hintCard = slot; }
    void ShowHistory(const TMoveHistory& shown) override { history = shown; }
    void ShowPlayedWhileAway(const std::vector<int>& ids) override { playedAway = ids; }
    std::map<int, std::pair<int, std::vector<int>>> lastMoves;
    TMoveHistory history;
    std::vector<int> playedAway;
    int onTurn = -1;
    int hintCard = -1;
    int Cell(int grid, int column, int row) const
    {
        auto it = cells.find({ grid, column, row });
        return it == cells.end() ? -1 : it->second.toInt();
    }
};

// The window's card controls, the settings in a temporary folder, the log and
// a controller on them, with zero pauses.
class MatchTest : public ::testing::Test {
protected:
    explicit MatchTest(int mode = 0, int decks = 0)
        : settings(dir.filePath("Zaviko.ini"))
    {
        FixRandomSeed(1234);
        for (TZuCardGroup** group : { &controls.PlayerS, &controls.PlayerW, &controls.PlayerN,
                 &controls.PlayerE, &controls.Talon1, &controls.Talon2 })
            *group = new TZuCardGroup(&form);
        controls.Deck = new TZuVirtualDeck(&form);
        controls.Deck->SetShuffleCount(2); // as the window sets it
        for (TZuCardGroup* talon : { controls.Talon1, controls.Talon2 })
            for (int i = 0; i < 6; ++i)
                talon->CardList().Add().Card().SetEmpty(true);
        controls.PlayerS->SetShowBack(false);
        settings.NumberOfPlayers = mode;
        settings.NumberOfDecks = decks;
        settings.CompPlayDelay = 0;
        settings.CompWaitForPlay = 0;
        settings.S = "Ja";
        log.SetLogFileName(dir.filePath("Zaviko.log"));
        log.SetOptions(logSession);
        controller = std::make_unique<TMatchController>(controls, settings, log, view);
    }
    ~MatchTest() override
    {
        controller.reset();
        ReleaseRandomSeed();
    }

    // Serves the worker's hand-offs until its sequence has ended.
    void WaitIdle()
    {
        QElapsedTimer timer;
        timer.start();
        while (controller->Busy() && timer.elapsed() < 20000)
            ServeEventsOnce();
        ASSERT_FALSE(controller->Busy()) << "the computer sequence did not end";
    }

    // Serves the event loop until the hint's search has shown its move.
    void WaitForHint()
    {
        QElapsedTimer timer;
        timer.start();
        while (controller->HintSearching() && timer.elapsed() < 20000)
            ServeEventsOnce();
        ASSERT_FALSE(controller->HintSearching()) << "the hint's search did not end";
    }

    // Lets the computers open the match when one of them is to begin.
    void HumanOnTurn()
    {
        if (view.startEnabled) controller->StartMatch();
        WaitIdle();
        ASSERT_EQ(controller->State().CurrentPlayer, SeatS);
    }

    void ClickHand(int slot)
    {
        bool playIt = false, faceDown = false;
        TZuTablePos pos = tpAuto;
        controller->PlayerSCardClick(controls.PlayerS, controls.PlayerS->CardAt(slot), slot, playIt,
            pos, faceDown, Qt::LeftButton);
    }
    void ClickTable(TTableSlot place)
    {
        bool playIt = false, faceDown = false;
        TZuTablePos pos = tpAuto;
        TZuCardGroup* row = place.row == 0 ? controls.Talon1 : controls.Talon2;
        controller->Talon1CardClick(
            row, row->CardAt(place.slot), place.slot, playIt, pos, faceDown, Qt::LeftButton);
    }

    // The human plays as a careful player would: the best capture, else the
    // lowest card.
    void HumanMove()
    {
        const TMatchState& state = controller->State();
        const TComputerChoice choice
            = ChooseComputerMove(state.hands[SeatS], TableIds(state), csPametno, 1);
        for (const TTableSlot& place : MoveOfChoice(state, SeatS, choice).take)
            ClickTable(place);
        ClickHand(choice.handSlot);
    }

    // Cards on the groups are exactly the state's.
    void ExpectGroupsShowState()
    {
        const TMatchState& state = controller->State();
        for (int seat = SeatS; seat <= SeatE; ++seat)
            for (int slot = 0; slot < kHandSlots; ++slot) {
                const TZuSingleCard& card = *controller->Seat(seat)->CardAt(slot);
                const int id = state.hands[seat][slot];
                ASSERT_EQ(card.Empty(), id == kNoCard);
                if (id != kNoCard) {
                    ASSERT_EQ(card.ID(), id);
                }
            }
        for (int row = 0; row < 2; ++row) {
            TZuCardGroup* group = row == 0 ? controls.Talon1 : controls.Talon2;
            ASSERT_EQ(group->SlotCount(), int(state.table[row].size()));
            for (int slot = 0; slot < group->SlotCount(); ++slot) {
                const int id = state.table[row][slot];
                ASSERT_EQ(group->CardAt(slot)->Empty(), id == kNoCard);
                if (id != kNoCard) {
                    ASSERT_EQ(group->CardAt(slot)->ID(), id);
                }
            }
        }
    }

    QString LogText() const
    {
        QFile file(dir.filePath("Zaviko.log"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

    TScopedRecordingSink sink;
    QTemporaryDir dir;
    QWidget form;
    TMatchControls controls;
    TIni settings;
    TLogFile log;
    TRecordingView view;
    std::unique_ptr<TMatchController> controller;
};
