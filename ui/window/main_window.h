#pragma once

#include "game/rules/match_file.h"
#include "game/controller/match_view.h"
#include "game/review/move_review.h"
#include "log/log_file.h"
#include "ui/window/menu_actions.h"
#include "cards/group/zucard_group.h"
#include "ui/window/table_layout.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class TAnnouncer;
class TGameSpeech;
class TSoundCues;
class QKeyEvent;
class TFAnaliza;
class TFPregledKarata;
class TFDeckOverInfoDlg;
class TFlightStage;
class TKeyboardPlay;
class TIni;
class TMatchController;
class TNetTable;
class TChatPanel;
class TDropNotice;
class TRemoteFeed;
class QDockWidget;
class TMatchSaver;
class TMoveHistoryPanel;
class TScorePanel;
class THintCard;
class TSeatMarks;
class TStatisticsStore;
class TTableNotes;
class TTakenPile;
class TCaptureOutline;
class TTableSurface;
class TTableView;
class TZuCardDeck;
class TZuCardGroup;
class TZuSprite;
class TZuVirtualDeck;

// The game's window: the green table with the four hands, the two table
// rows, the score panel and the status bar, and the menus. It shows what the
// match controller tells it and turns the player's input into its calls.
class TForm1 : public QMainWindow, public TMatchView {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 772;
    static constexpr int ClientHeight = 554; // under the menu bar, status bar included

    // Settings and log beside the program (ProgramFileName).
    explicit TForm1(QWidget* parent = nullptr);
    // Settings and log in `filesFolder` as Zaviko.ini and Zaviko.log, for the
    // tests and the screenshot programs, whose own folder is the build's.
    explicit TForm1(const QString& filesFolder, QWidget* parent = nullptr);
    ~TForm1() override;

    TMatchController& Controller() const { return *FController; }
    TIni& Settings() const { return *FSettings; }
    TStatisticsStore& Statistics() const { return *FStatistics; }
    // The matches in which a move was taken back, counted apart.
    TStatisticsStore& UndoStatistics() const { return *FUndoStatistics; }
    TZuCardGroup* PlayerS = nullptr;
    TZuCardGroup* PlayerW = nullptr;
    TZuCardGroup* PlayerN = nullptr;
    TZuCardGroup* PlayerE = nullptr;
    TZuCardGroup* Talon1 = nullptr;
    TZuCardGroup* Talon2 = nullptr;
    // The captured-cards view, made when first needed and kept for the run.
    TFPregledKarata* Overview();
    // The "Analiza" window, made when first needed and kept for the run.
    TFAnaliza* Analysis();
    // A score grid's panel: the one the match shows is made at start, the
    // others when first asked for.
    TScorePanel* ScorePanel(int grid);
    // The menu items, as made.
    const TMenuActions& Menu() const { return FMenu; }
    QLabel* StatusPanel(int i) const { return FStatus.at(i); }
    // The height of the table under the menu: the client area above the status bar.
    int TableHeight() const;
    // The table at any window size: its layout stays in 1x table units.
    TTableView* TableView() const { return FView; }
    // A table widget's place in the window's coordinates, as shown now.
    QRect TableToWindow(const QRect& r) const;
    // Draws the card pictures for the table's present scale at once, rather
    // than when the resize settles.
    void SettleTableScale();
    // Cards fly at the speed of "Animacija" in the settings, or not at all.
    void ApplyAnimation();
    TFlightStage* FlightStage() const { return FFlightStage; }
    TZuSprite* Sprite() const { return ZuSprite1; }

    // Menu commands.
    void New1Click();
    void Pocniigru1Click();
    void Promenaimena1Click();
    void Opcije1Click();
    void Statistika1Click();
    void Analiza1Click();
    void About1Click();
    void Pomoc1Click();
    void ShowTakenCards(int seat);
    // "Igra preko mreze": open a table, join one (a link fills the dialog).
    void Otvoristo1Click();
    void Pridruzise1Click();
    void JoinByLink(const QString& link);
    // The invitation the program was started with: joined once the window
    // is up, instead of asking about the local match.
    void JoinAtStart(const QString& link) { FLinkAtStart = link; }
    // Asks before leaving a network table (the host's leaving ends it for
    // all) and leaves it; true when no table is left to leave.
    bool LeaveNetworkTable();
    TDropNotice* DropNotice() const { return FDropNotice; }
    TChatPanel* ChatPanel() const { return FChat; }
    TStatisticsStore& NetworkStatistics() const { return *FNetStatistics; }
    TNetTable& NetTable() const { return *FNet; }
    void ApplyViewPermissions();
    void ApplyCascadeStyles();
    TTableLook Look() const { return FLook; }
    QLabel* DeckCount() const { return FDeckCount; }
    TTakenPile* TakenPile(int seat) const { return FPiles.at(seat); }
    // The outline of what the pointed hand card could take; made with the modern look.
    TCaptureOutline* CaptureOutline() const { return FOutline; }

    // What the menu shows now, for tests and the screenshot programs.
    bool ScoreTableChecked() const;
    bool StartItemEnabled() const;

    // TMatchView
    void SetStatusText(int panel, const QString& text) override;
    void SetScoreCell(int grid, int column, int row, const QString& text) override;
    void SetScoreColumnWidths(int grid, const std::array<int, 5>& widths) override;
    void RefreshScoreGrid(int grid) override;
    void SetScorePanelVisible(int grid, bool visible) override;
    void SetScoreTableChecked(bool checked) override;
    void SetStartItemEnabled(bool enabled) override;
    void SetSideSeatsVisible(bool visible) override;
    void ArrangeTable() override;
    void RepaintWindow() override;
    void ShowHandEnd(const THandEndDisplay& display) override;
    void CloseOverview() override;
    void ShowLastMove(int seat, int playedId, const std::vector<int>& takenIds) override;
    void ClearLastMoves() override;
    void MarkSeatOnTurn(int seat) override;
    void ShowHintCard(int slot) override;
    void ShowRevealedCard(int seat, int slot) override;
    void ShowPaused(bool paused) override;
    void ShowMarkedCards(const std::vector<int>& ids) override;
    void ShowHistory(const TMoveHistory& history) override;
    void ShowPlayedWhileAway(const std::vector<int>& ids) override;
    void ShowReviews(const std::vector<THandReview>& reviews, int judgedHand) override;
    // The review of the match's hands ("Analiza"), each as judged so far (a
    // view still empty is being judged), and the hand being judged now (0
    // when none); OnReviews is told on the GUI thread of every change.
    const std::vector<THandReview>& Reviews() const;
    int ReviewedHand() const;
    std::function<void(const std::vector<THandReview>& reviews, int judgedHand)> OnReviews;
    // "Tok igre", docked beside the table; shown or hidden by its menu item.
    TMoveHistoryPanel* HistoryPanel() const { return FHistory; }
    THintCard* RevealedCard() const { return FRevealCard; }
    TTableNotes* TableNotes() const { return FNotes; }
    THintCard* HintCard() const { return FHintCard; }
    TSeatMarks* SeatMarks() const { return FMarks; }
    TKeyboardPlay* Keys() const { return FKeys.get(); }
    TAnnouncer* Announcer() const { return FAnnouncer; }
    // The game's own speech ("Govor"); the tests give it a recorder.
    TGameSpeech& Speech() const { return *FSpeech; }
    // "Govor" as the settings have it now: the player's choice, or on while a
    // screen reader runs.
    void ApplySpeechSetting();
    bool SpeechOn() const;
    // True when the player chose "Govor" on or off; `on` gets the choice.
    bool SpeechChosen(bool* on) const;
    // "Zvuk": the table's sounds; the tests give it a recorder.
    TSoundCues& Sound() const { return *FSound; }
    // "Zvuk" and its volume as the settings have them now.
    void ApplySoundSetting();
    // "Vrati potez".
    void Vratipotez1Click();
    // Keeps the match in progress on the disk after every move.
    TMatchSaver& MatchSaver() const { return *FSaver; }
    // Closes the window as "Gotovo" does, without asking: the system wants
    // the program gone (a stop signal). A question open at the time is
    // dismissed first; the match is kept for the next start.
    void CloseOnStopSignal();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void CreateTable();
    TZuCardGroup* CreateSeat(const char* name, QLabel*& label);
    TScorePanel* MakeScorePanel(int grid);
    // The row buttons' tooltips (whose cards each opens) and whether each opens.
    void NameRowButtons(TScorePanel* panel);
    void EnableRowButtons(TScorePanel* panel);
    void CreateMenus();
    void CreateStatusBar();
    void CreateTableView();
    void CreateHistoryPanel();
    // The panel as the settings keep it, once the window has its size.
    void RestoreHistoryPanel();
    // The window grows or shrinks by the panel, so the table keeps its scale.
    void FitHistoryPanel(bool shown);
    // The size the player left the window at, from the settings.
    void RestoreWindowSize();
    void KeepWindowSize();
    // The card controls draw their pictures for the table shown at `scale`.
    void ApplyTableScale(qreal scale);
    // The menus, the status bar and "Tok igre" grow with the window.
    qreal TextScale() const;
    void ApplyTextScale();
    // "Izgled" as the settings have it: the table, its cards and piles.
    void ApplyLook();
    // The modern look's count of the cards left, on the deck.
    void ShowDeckCount();
    // The modern look's piles of taken cards, each by its seat.
    void ShowTakenPiles();
    // A press on the table, in table coordinates.
    void TablePress(QPoint at, Qt::MouseButton button);
    void ConnectCards();
    void CreateNetTable();
    void BeginNetworkMatch();
    void BackToLocalMatch();
    void ShowChatPanel();
    // The keys that play, the names a screen reader reads and its announcer.
    void CreateAccessibility();
    // Each seat's name as read: whose cards, and whether it is on turn.
    void NameSeatsForReaders(int seatOnTurn);
    // The score cells of one grid read as "row, column: value", after the
    // cell at `column`, `row` changed: a header renames its column's cells,
    // a seat's name its row's, a score only itself.
    void NameScoreCells(int grid, int column, int row);
    void AnnounceMove(int seat, int playedId, const std::vector<int>& takenIds);
    void CreateSpeech();
    // The score table's "name total" of each row, as the hand's end says them.
    QStringList ScoreTotals(int gameMode) const;
    void SpeakStatus(int panel, const QString& text);
    void SpeakTurn(int seat);
    void SpeakHint(int slot);
    // The keys that read the game (S, R, O, B, K, I, L); true when handled.
    bool ReadKey(const QKeyEvent& event);
    void AnnounceHandEnd(int gameMode);
    // The reviews kept with the saved match, back with the resumed match.
    void ResumeReviews();
    // The end-of-hand dialog shows the hand's review as it lands.
    void ShowHandEndReview(TFDeckOverInfoDlg& dialog, int hand);
    // The sounds (main_window_sound.cpp): each event of the match, as shown.
    void CreateSound();
    void SoundStatus(int panel, const QString& text);
    void SoundMoveShown(int seat, int playedId, const std::vector<int>& takenIds);
    void SoundHistory(const TMoveHistory& history);
    void SoundTurn(int seat);
    void FormActivate();
    // Reads the match saved when the window last closed and shows its table.
    void ShowSavedMatch();
    // Asks whether to go on with it; true when it was offered, in which case
    // a declined match has been replaced by a fresh one and its start asked.
    bool OfferSavedMatch();
    // From here on each completed move is kept on the disk (TMatchSaver).
    void KeepMatchesInProgress();
    // A write of the match in progress failed: said once a session.
    void ReportKeepFailure();
    // At close: the match under way written, or the player's choice when it
    // cannot be (try again, save elsewhere, close without it).
    void KeepMatchOnClose();
    bool SaveMatchElsewhere(const TSavedMatch& match);
    void ApplyNamesToMenus();
    // "Analiza" greyed, saying why, while no hand has been reviewed.
    void NameAnalysisItem();
    void CentreOnScreen();
    void DrawShownPicturesAhead();
    // Places the hands, the rows, the deck, the names and the score panels
    // for the table's present size (TTableLayout).
    void ArrangeSeats();
    int FrameExtra() const;
    // The score grids' names' columns as wide as the table now allows.
    void WidenScoreNames();
    // The human's hand: tight as chosen, or spread on a wide modern table.
    TZuCascadeStyle HumanCascade() const;
    bool Idle() const;
    // True when the point (in window coordinates) lies on a card group.
    bool OnCardGroup(QPoint at) const;

    std::unique_ptr<TIni> FSettings;
    TLogFile LogFile;
    TTableSurface* FTable = nullptr;
    TTableView* FView = nullptr;
    std::array<QLabel*, 4> FLabels {}; // S, W, N, E
    TTableLook FLook = TTableLook::Classic;
    QLabel* FDeckCount = nullptr;
    std::array<TTakenPile*, 4> FPiles {}; // S, W, N, E; made with the modern look
    TCaptureOutline* FOutline = nullptr;
    TSeatMarks* FMarks = nullptr;
    THintCard* FHintCard = nullptr;
    TAnnouncer* FAnnouncer = nullptr;
    std::unique_ptr<TKeyboardPlay> FKeys;
    std::unique_ptr<TGameSpeech> FSpeech;
    // The deck's count last said with a deal.
    QString FDeckText;
    // The seat marked on turn while no hand had cards, said after the deal.
    int FTurnAfterDeal = -1;
    std::unique_ptr<TSoundCues> FSound;
    // The deck's count last heard with a deal.
    QString FSoundDeckText;
    // The move last shown, heard once the history has grown by it.
    struct TSoundMove {
        int seat, playedId, taken;
        bool cleared;
    };
    std::optional<TSoundMove> FSoundMove;
    std::size_t FSoundHistorySize = 0;
    THintCard* FRevealCard = nullptr;
    int FRevealSeat = -1;
    TTableNotes* FNotes = nullptr;
    TMoveHistoryPanel* FHistory = nullptr;
    // Whether the player has the history panel open.
    bool FHistoryShown = false;
    // The window's smallest size without the history panel: the table at 1x.
    QSize FTableMinimum;
    std::array<QLabel*, 3> FStatus {};
    std::array<TScorePanel*, 3> FPanels {}; // null until made
    // Each grid's column widths as the controller last set them.
    std::array<std::optional<std::array<int, 5>>, 3> FScoreWidths {};
    TZuCardDeck* RealDeck = nullptr;
    TZuVirtualDeck* Deck = nullptr;
    TZuSprite* ZuSprite1 = nullptr;
    TFlightStage* FFlightStage = nullptr;
    TFPregledKarata* FOverview = nullptr;
    TFAnaliza* FAnalysis = nullptr;
    TMenuActions FMenu;
    // Before the controller, which reports to it until it goes.
    std::unique_ptr<TStatisticsStore> FStatistics;
    std::unique_ptr<TStatisticsStore> FUndoStatistics;
    // Before the controller too: the controller hands it each move.
    std::unique_ptr<TMatchSaver> FSaver;
    std::unique_ptr<TMatchController> FController;
    // The network table, when the player sits at one.
    std::unique_ptr<TNetTable> FNet;
    std::unique_ptr<TRemoteFeed> FFeed;
    TDropNotice* FDropNotice = nullptr;
    QDockWidget* FChatDock = nullptr;
    TChatPanel* FChat = nullptr;
    QString FLoggedLink;
    QString FLinkAtStart;
    // Matches at network tables, counted apart from those against the computers.
    std::unique_ptr<TStatisticsStore> FNetStatistics;
    bool FCanViewMine = true;
    bool FCanViewOthers = true;
    bool FClosing = false;
    bool FStopBySignal = false;
    int FStopTries = 0;
    bool FKeepFailureShown = false;
    // The end-of-hand dialog while it is open, and the hand it reviews.
    QPointer<TFDeckOverInfoDlg> FHandEndDialog;
    int FHandEndReview = 0;
    // Shown at start and waiting for the player's answer.
    std::optional<TSavedMatch> FSavedMatch;
};
