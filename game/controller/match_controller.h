#pragma once

#include "cards/group/zucard_group.h"
#include "game/controller/card_collection.h"
#include "game/controller/card_flights.h"
#include "game/rules/match_file.h"
#include "game/rules/match_rules.h"
#include "game/rules/match_statistics.h"
#include "game/controller/hint_search.h"
#include "game/controller/match_view.h"
#include "game/controller/match_worker.h"
#include "game/controller/review_worker.h"
#include "game/controller/remote_step.h"
#include "game/controller/undo_history.h"
#include "platform/random.h"

#include <QString>

#include <array>
#include <atomic>
#include <deque>
#include <mutex>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TIni;
class TLogFile;
class TZuVirtualDeck;
class TSequenceObserver;

// The card controls the controller plays on; the window owns them.
struct TMatchControls {
    TZuCardGroup* PlayerS = nullptr;
    TZuCardGroup* PlayerW = nullptr;
    TZuCardGroup* PlayerN = nullptr;
    TZuCardGroup* PlayerE = nullptr;
    TZuCardGroup* Talon1 = nullptr;
    TZuCardGroup* Talon2 = nullptr;
    TZuVirtualDeck* Deck = nullptr;
};

// Runs a match: the rules on values (match_rules.h) change the state, and the
// controller shows every change on the card groups, the deck, the score grids,
// the status bar and the log, in the game's order. Computer seats play on the
// worker (TMatchWorker), which runs the sequence this controller gives it;
// whatever the sequence changes on screen reaches the GUI thread through the
// worker's synchronous hand-offs, and the worker tells the controller of the
// rules' events and of the sequence's end through TSequenceDisplay. The hint
// searches on a thread of its own (THintSearch). Everything public is called
// on the GUI thread.
class TMatchController : private TSequenceDisplay {
public:
    TMatchController(
        const TMatchControls& controls, TIni& settings, TLogFile& log, TMatchView& view);
    ~TMatchController() override;
    TMatchController(const TMatchController&) = delete;
    TMatchController& operator=(const TMatchController&) = delete;

    // --- The match ---
    // The start-up: seats, names, options, score grid, log, then a
    // preliminary four-player deal and the first match.
    void Start();
    void NewGame(bool initial);
    void AskToStart();
    // AskToStart once the dealt cards have landed.
    void AskWhenDealt();
    // "Pocni igru".
    void StartMatch();
    void SetNumberOfDecks(int n);
    // Stops a running computer sequence and closes the log; before the window goes.
    void Shutdown();
    // Puts the log lines whose syncing the window deferred (TLogFile::DeferSync)
    // on the disk; a failure is reported as a failed write and ends the log.
    void EndDeferredLogSync();

    // --- Input (the window's handlers) ---
    void PlayerSCardClick(TZuCardGroup* sender, TZuSingleCard* card, int position, bool& playIt,
        TZuTablePos& tablePos, bool& faceDown, Qt::MouseButton button);
    void Talon1CardClick(TZuCardGroup* sender, TZuSingleCard* card, int position, bool& playIt,
        TZuTablePos& tablePos, bool& faceDown, Qt::MouseButton button);
    void FormMouseDown(Qt::MouseButton button);
    // T toggles the score table, P pauses; other keys do nothing.
    void FormKeyPress(QChar key);
    void TogglePause();
    // While the player answers a question about the match under way (a new
    // match, quitting), the match stands where it is: the cards in the air
    // land at once and no computer moves until the hold ends; an answer
    // that keeps the match goes on from there. A stop goes through a hold.
    void HoldMatch(bool held);
    bool MatchHeld() const { return FWorker.Held(); }
    void ToggleScoreTable();
    void ToggleTableMark(TZuSingleCard& card);
    // Clears the marks and Selection, and a hint's highlight with them.
    void ClearTableMarks();
    // The human may make a move now. When not, the status bar says why and
    // the answer is false; for the keys, which have no card to click.
    bool KeyPlayAllowed();
    // Shows text in the status bar's notice panel (unless "Igra pauzirana"
    // holds it): why a key did nothing, or what a move did.
    void ShowNotice(const QString& text);

    // --- Taking a move back ("Vrati potez") ---
    // The human is on turn in a hand where they have moved, nothing runs and
    // the match is on.
    bool UndoAvailable() const;
    // Puts the match back as it was just before the human's last move: every
    // computer move after it is gone too, and the random generator draws
    // again what it drew then. False when no move can be taken back.
    bool UndoMove();
    // How many of the human's moves in this hand can be taken back.
    int UndoDepth() const { return FUndo.Depth(); }
    // A move has been taken back in this match (the statistics count it apart).
    bool UndoUsed() const { return FUndo.Used(); }

    // --- The match's moves ("Tok igre") ---
    // Every move of the match, hand by hand, as the last-move marks show
    // them; a move taken back leaves it. The view is told of every change.
    const TMoveHistory& History() const { return FHistory; }

    // --- The review of the human's moves ("Analiza") ---
    // Every ended hand of the match with the human's moves, each as judged so
    // far (a view of a move not judged yet is empty), in hand order. Judged
    // on a low-priority thread as hands end; the view is told of every
    // change (TMatchView::ShowReviews). A new match drops them.
    const std::vector<THandReview>& Reviews() const { return FReview.Reviews(); }
    // The number of the hand being judged now, 0 when none.
    int ReviewedHand() const { return FReview.JudgedHand(); }
    // Puts the reviews kept with a resumed match in place (what of them is not
    // judged yet is judged again); reviews of another match are left out.
    void ResumeReviews(std::vector<THandReview> reviews);
    // A dropped review has not returned yet (it will within one playout).
    bool ReviewStopping() const { return FReview.Stopping() > 0; }

    // --- The hint ("Savet") ---
    // The human is on turn with cards, nothing else runs, the match is on.
    bool HintAvailable() const;
    // Starts the search of "Majstor"'s move for the human, off the GUI
    // thread. When it arrives the marks (and Selection) become exactly its
    // table cards, as clicks on them would make them, and the hand card to
    // play is highlighted until the next click or turn. Plays nothing. Any
    // click, key, "Nova", pause, closing or another "Savet" drops a search
    // under way. False when no hint can be given.
    bool ShowHint();
    // The table cards the human's card in handSlot would take: its richest
    // legal capture, as the game's own search finds it for that card alone.
    // Empty when the card takes nothing or the human is not to move.
    std::vector<TTableSlot> CaptureOf(int handSlot) const;
    // A hint's search is under way; its move has not been shown yet.
    bool HintSearching() const { return FHint.Searching(); }
    // A dropped search has not returned yet (it will within one playout).
    bool HintStopping() const { return FHint.Stopping() > 0; }
    // The highlighted hand slot of the hint shown, -1 when none.
    int HintSlot() const { return FHintSlot; }

    // --- Statistics ---
    // Told of every hand's end, match's end and hint shown, on the GUI thread.
    std::function<void(const TMatchEvent&)> OnMatchEvent;

    // --- The match in progress ---
    // Told on the GUI thread after every completed move (and a move taken
    // back, and a match resumed) of the match to keep, or of nothing once no
    // match is under way (it ended, or a new one has not begun).
    std::function<void(const std::optional<TSavedMatch>&)> OnMatchProgress;

    // --- Settings the window changed ---
    // Names from the settings onto the seats and the score rows.
    void ApplyNames();
    // Strength, pauses and the log from the settings; a running sequence sees
    // the new values from its next move on.
    void ApplyOptions();
    void InitScoreGrid();
    void FillScoreNames();
    void ShowScorePanel();
    int ActiveScoreGrid() const;
    // The check mark of "Tabela vidljiva": the T key and the menu item flip it.
    bool ScoreTableShown() const { return FScoreTableShown; }

    // --- What the window and tests read ---
    bool Busy() const { return FWorker.Busy(); }
    // A computer opens the match and the player has not let it begin yet
    // ("Pocni igru" is on offer).
    bool WaitingToStart() const { return FWaitingToStart; }
    bool Paused() const { return FWorker.Paused(); }
    // A stop of the computer sequence is under way; input waits for it.
    bool Stopping() const { return FWorker.Stopping(); }
    bool GameOver() const { return FState.GameOver; }
    int GameMode() const { return FState.GameMode; }
    int CardsLeft() const { return int(FState.deck.size()); }
    TZuCardGroup* CurrentPlayer() const { return Seat(FState.CurrentPlayer); }
    TZuCardGroup* LastTaker() const { return Seat(FState.LastTaker); }
    const TMatchState& State() const { return FState; }
    const TCardCollection& Selection() const { return FSelection; }
    TZuCardGroup* Seat(int seat) const;
    int SeatOf(const TZuCardGroup* group) const;
    bool FirstActivation() const { return FFirstActivation; }
    void SetFirstActivation(bool b) { FFirstActivation = b; }
    bool LogEnabled() const { return FLogEnabled; }
    // What each score row has scored in the hand under way.
    std::vector<THandScoreRow> HandFigures() const;
    // After a capture the table's cards close up toward the middle of their
    // rows; off by default, when they stay in their slots.
    bool TableToMiddle() const { return FTableToMiddle; }
    void SetTableToMiddle(bool b) { FTableToMiddle = b; }
    // Blocks until a running computer sequence has ended, serving its
    // hand-offs; for tests and the window's close.
    void WaitForSequence();
    // Tells the observer what every later sequence does; for tests.
    void SetSequenceObserver(TSequenceObserver* observer) { FWorker.SetObserver(observer); }
    void SetSequenceStopBound(int ms) { FWorker.SetStopBound(ms); }
    // A computer sequence did not end when stopped and still runs on the
    // state: this controller must never be freed (see TMatchWorker::Abandoned).
    bool SequenceAbandoned() const { return FWorker.Abandoned(); }

    // A match is under way: a move has been made and it is not over. While
    // the computers play, the worker writes the state, so the GUI thread
    // reads what the worker published after its last step.
    bool MatchUnderway() const { return Busy() ? FUnderway.load() : Underway(FState); }
    // The match as it stands, for saving; only between sequences.
    TSavedMatch SavedMatch() const;
    // Tells OnMatchProgress of the match as it stands.
    void ReportProgress();
    // Goes on with a saved match; a computer seat on turn plays at once.
    void ResumeMatch(const TSavedMatch& match);
    // Ends a computer's reveal at once (the space key, a click on the table);
    // the pauses themselves stay as they are set.
    void SkipReveal();
    bool Revealing() const { return FWorker.Revealing(); }

    // Puts a prepared state in place and shows it whole: cards, taken lists,
    // scores, status bar. For the screenshot programs, which need positions
    // that play reaches only by chance (a grown table, a reveal). Does
    // nothing while a computer sequence runs.
    void ShowState(const TMatchState& state, const TLastMoves& lastMoves = {},
        const TMoveHistory& history = {});

    static QString CardName(int id);
    void LogLine(const QString& text);

    // --- Card flights (match_flights.cpp) ---
    // Cards fly when the groups' sprite flies frame-driven flights and the
    // table shows: dealt cards from the deck to their slots, a card laid
    // down from the hand to the table, a capture's cards to the taker. The
    // state changes at once; a card's slot shows it when it has landed, and
    // the sequence waits for its flights before it goes on.
    bool FlightsOn() const;
    // The cards in the air now.
    int FlightsUp() const { return FFlights.Up(); }
    // Every card in the air lands now ("Nova", closing, the pause, space).
    void LandFlights();
    // After each card has landed and shows where it belongs; for tests.
    std::function<void()> OnCardLanded;

    // --- A match at a network table (match_network.cpp) ---
    // From here the match is the server's: the human's moves go to `send`
    // and appear once a step confirms them; every seat's names are the
    // players' own; no move is taken back, and the hint only when allowed.
    void BeginRemoteMatch(std::function<void(const TMove&)> send,
        const std::array<QString, kSeatCount>& names, bool hints);
    // Back to matches against the computers (the names from the settings).
    void EndRemoteMatch();
    bool RemoteMatch() const { return bool(FRemoteSend); }
    // Shows the next change the server sent, after those before it.
    void ShowRemoteStep(TRemoteStep step);
    // Steps still to be shown.
    int RemoteStepsWaiting() const;

private:
    void RunRemoteSteps();
    void PlayRemoteStep(const TRemoteStep& step);
    // The state to show: hidden cards get a card to stand for them (shown
    // face down).
    static TMatchState ShownState(const TMatchState& view);
    void RemoteRestart(const TRemoteStep& step);
    void RemoteMove(const TRemoteStep& step);
    int RevealMs(int seat) const;
    void RememberForUndo();
    // Keeps the position before the human's move and the move for the hand's
    // review.
    void RememberForReview(const TMove& move);
    // The hand has ended: its moves go to the review's thread. The review's
    // hand number, 0 when the human made no move in it.
    int ReviewHand();
    void ShowWholeState(const TMatchState& state, const TLastMoves& lastMoves);

    // Tells the view the IDs of the table cards the human has marked.
    void ShowMarkedCards();

    // --- The computer sequence, run by the worker ---
    // After a move: the turn moves on, hands are refilled or the hand ends,
    // and every computer seat then on turn plays, until the human is on turn
    // or the match is over.
    void EndTurn();
    // A computer seat's move; false when the sequence was told to stop.
    bool PlayerNBeforePlay(int seat);

    // --- What the worker shows (TSequenceDisplay), on the GUI thread ---
    void SequenceTurnChanged() override { ShowStatusTurn(); }
    std::vector<int> SequenceNewDeck() override;
    void SequenceDealt(bool newDeck) override { ShowDeal(newDeck, true, true); }
    void SequenceRestTaken(const THandEnd& end) override;
    void SequenceFlightsDown(std::function<void()> landed) override;
    bool SequenceFlying() const override { return FFlights.Up() > 0; }
    void SequenceHandEnded(const THandEnd& end) override { ShowHandEndOnGui(end); }
    void SequenceEnded() override;

    void SetWaitingToStart(bool waiting);
    void DealCards(bool newDeck, bool logIt);
    void LogDeal(bool newDeck);
    // Each seat's hand (another's cards unnamed at a network table) and the
    // table, as the state has them now.
    void LogHands();
    void LogTable();
    void ShowHands();
    void ShowTable();
    void ShowTaken();
    void ShowStatusCardsLeft();
    void ShowStatusTurn();
    void UpdateTotal(int seat);
    void ShowAllScores();
    int ScoreRow(int seat) const { return ::ScoreRow(FState.GameMode, seat); }
    QString Name(int seat) const;
    // Who won the match, by the seats' names; read on the GUI thread, where
    // a rename may change them.
    QString WinnerText() const;
    void HumanLaysDown(int slot);
    void HumanCaptures(int slot);
    void DoCapture(
        int seat, int handSlot, const std::vector<TTableSlot>& take, const TMoveOutcome& outcome);
    bool TableEmpty() const { return ::TableEmpty(FState); }
    void NextPlayer();
    static bool Underway(const TMatchState& s) { return s.MovesMade > 0 && !s.GameOver; }
    void StartSequence(bool playFirst);
    void SequenceRefused(bool playFirst);
    // A sequence the system refused to start runs now; false when none waits.
    bool RetryPendingSequence();
    void PublishProgress();
    void StopSequence();
    void ShowHandEndOnGui(const THandEnd& end);
    void ShowGameOverOnGui(const QString& winner);
    void ShowDeal(bool newDeck, bool logIt, bool fly = false);
    // What flies (match_flights.cpp); TCardFlights keeps them in the air.
    // The cards just dealt fly from the deck: their slots stay empty till then.
    void FlyDeal(bool newDeck);
    // The card laid down from hand slot handSlot flies to where the rules put it.
    void FlyLaidCard(int seat, int handSlot, int id);
    // The played card and the table cards taken fly to the taker; its taken
    // list shows them once they are down.
    void FlySweep(int seat, int handSlot, int playedId, const std::vector<TTableSlot>& take);
    // The cards from (corners on the form, picture IDs) fly into the taker's
    // hand all at once, and its taken list shows them once they are down.
    void SweepInto(TZuCardGroup& taker, const std::vector<std::pair<QPoint, int>>& cards);
    // On the worker: waits until every card in the air is down.
    void AwaitFlights();
    void ComputerCapture(const TMove& move);
    void ComputerLaysDown(int seat, int handSlot);
    void RevealHandCard(int seat, int handSlot, bool reveal);
    // Why the human may not move now ("Na potezu je ..."); empty when they may.
    QString WhyNotOnTurn() const;
    // Each seat's last move, kept so a saved match shows them again.
    void ShowLastMove(int seat, int playedId, const std::vector<int>& takenIds);
    void ClearLastMoves();
    void ShowLastMoves();
    TZuSingleCard* TableCard(TTableSlot place) const;
    // Ends the hint shown and drops a hint's search under way.
    void ClearHint();
    // The hint's move has arrived: marks and the highlighted hand card.
    void ShowHintMove(const TComputerChoice& choice);
    bool SelectionSlots(std::vector<TTableSlot>& places) const;
    void Report(const TMatchEvent& event);

    TMatchControls FControls;
    TIni& Settings;
    TLastMoves FLastMoves {};
    TLogFile& LogFile;
    TMatchView& FView;
    TMatchState FState;
    TCardCollection FSelection;
    // The match's own generator: its deals, the opener and the computers'
    // draws; undo and the saved match keep its state.
    TRandomGenerator FRandom;
    TMatchWorker FWorker { *this };
    THintSearch FHint;

    std::atomic<int> CompPlays { 1 };
    std::atomic<int> CompPlayDelay { 0 };
    std::atomic<int> CompWaitForPlay { 0 };
    bool FLogEnabled = false;
    bool FFirstActivation = true;
    bool FWaitingToStart = false;
    // Counts the matches started or resumed: a question waiting for a deal
    // to land belongs to the match it was asked for.
    int FMatchNumber = 0;
    bool FScoreTableShown = true;
    std::atomic<bool> FTableToMiddle { false };
    int FHintSlot = -1;
    // The human's table clears in the hand under way, for the statistics.
    int FHandClears = 0;
    // MatchUnderway as of the worker's last step.
    std::atomic<bool> FUnderway { false };
    // The sequence after the human's move, when its thread was refused.
    std::optional<bool> FPendingSequence;
    TCardFlights FFlights;
    TUndoHistory FUndo;
    std::function<void(const TMove&)> FRemoteSend;
    bool FRemoteHints = true;
    mutable std::mutex FRemoteLock;
    std::deque<TRemoteStep> FRemoteSteps;
    TMoveHistory FHistory;
    // The human's moves of the hand under way, judged once it ends.
    THandReview FHandMoves;
    TReviewWorker FReview;
};
