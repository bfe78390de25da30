// The window's parts: the table with its card groups, the score panels, the
// menus and the status bar; the start-up runs the controller's.
#include "ui/window/main_window.h"

#include "game/controller/remote_feed.h"
#include "ui/network/net_table.h"

#include "cards/ids/card_ids.h"
#include "cards/ids/id_shuffle.h"
#include "cards/zucard.h"
#include "cards/pictures/zucard_pictures.h"
#include "cards/zugraphics.h"
#include "game/controller/match_controller.h"
#include "game/controller/match_saver.h"
#include "game/controller/statistics_store.h"
#include "platform/message_sink.h"
#include "platform/free_memory.h"
#include "ui/window/animation_box.h"
#include "ui/diagnostics/flight_figures.h"
#include "ui/window/flight_stage.h"
#include "ui/access/game_speech.h"
#include "ui/access/focus_return.h"
#include "ui/sound/sound_cues.h"
#include "settings/ini.h"
#include "settings/program_files.h"
#include "ui/window/game_option_setting.h"
#include "ui/window/hint_card.h"
#include "ui/access/keyboard_play.h"
#include "ui/dialogs/dialog_scale.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/window/move_history_panel.h"
#include "ui/score_grid/score_grid.h"
#include "ui/window/score_panel.h"
#include "ui/window/seat_marks.h"
#include "ui/diagnostics/startup_steps.h"
#include "ui/window/table_notes.h"
#include "ui/window/table_view.h"
#include "ui/window/taken_cards_view.h"
#include "ui/window/window_size_setting.h"

#include <QAction>
#include <QDir>
#include <QGraphicsScene>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

const QColor clGreen(0x00, 0x80, 0x00);

void MakeBoldLabel(QLabel* label)
{
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : TForm1(QString(), parent)
{
}

TForm1::TForm1(const QString& filesFolder, QWidget* parent)
    : QMainWindow(parent)
{
    auto fileName = [&filesFolder](const char* extension) {
        const QString ext = QString::fromLatin1(extension);
        return filesFolder.isEmpty() ? ProgramFileName(ext)
                                     : QDir(filesFolder).filePath(QStringLiteral("Zaviko") + ext);
    };
    setWindowTitle(QStringLiteral("Zaviko"));
    setObjectName(QStringLiteral("Form1"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    // Messages from the start on open over the table, not mid-screen.
    SetMessageOwner(this);
    ReturnFocusOnClose(this);
    // The dialogs opened over the window read at its text's size.
    new TDialogScaler(this, [this] { return TextScale(); });

    FSettings = std::make_unique<TIni>(fileName(".ini"));
    StartupSteps::Note("settings");
    CreateTable();
    CreateStatusBar();
    CreateTableView();
    CreateHistoryPanel();
    CreateMenus();
    StartupSteps::Note("window_parts");

    const QString logName = fileName(".log");
    LogFile.SetLogFileName(logName);
    LogFile.SetArchiveDir(QFileInfo(logName).absolutePath());
    LogFile.SetOptions(logSession);
    LogFile.SetMaxSize(1048576);
    LogFile.SetArchiveMode(bkSize);
    LogFile.SetTimestampFormat(QStringLiteral("dd/mmm/yyyy hh:nn:ss "));
    // The start's lines reach the file at once; the disk gets them after the
    // window's first paint (FormActivate), so its syncs do not hold it back.
    LogFile.DeferSync();
    // Each later line is on the disk as soon as the disk takes it, without
    // holding up the GUI thread: a busy disk took hundreds of ms a line.
    LogFile.SetSyncInBackground(true);

    FController = std::make_unique<TMatchController>(
        TMatchControls { PlayerS, PlayerW, PlayerN, PlayerE, Talon1, Talon2, Deck }, *FSettings,
        LogFile, *this);
    FStatistics = std::make_unique<TStatisticsStore>(FSettings->FileName);
    FNetStatistics = std::make_unique<TStatisticsStore>(
        FSettings->FileName, TStatisticsStore::kNetworkExtension);
    FUndoStatistics
        = std::make_unique<TStatisticsStore>(FSettings->FileName, TStatisticsStore::kUndoExtension);
    FController->OnMatchEvent = [this](const TMatchEvent& event) {
        (FController->RemoteMatch() ? FNetStatistics
                : event.undoUsed    ? FUndoStatistics
                                    : FStatistics)
            ->Record(event);
    };
    StartupSteps::Note("dialogs_and_controller");
    CreateNetTable();
    ConnectCards();
    ApplyAnimation();
    CreateAccessibility();
    FController->SetTableToMiddle(FMenu.TableToMiddle->isChecked());
    ApplyViewPermissions();
    ApplyCascadeStyles();
    ApplyLook();
    FController->Start();
    StartupSteps::Note("deal");
    // The start gave the seats their names.
    ApplyNamesToMenus();
    ShowSavedMatch();
    KeepMatchesInProgress();
    CentreOnScreen();
    RestoreWindowSize();
    RestoreHistoryPanel();
    StartupSteps::Note("saved_match_and_placing");
}

TFPregledKarata* TForm1::Overview()
{
    if (!FOverview) FOverview = new TFPregledKarata(this);
    return FOverview;
}

void TForm1::DrawShownPicturesAhead()
{
    // Drawn on another core while the shown window is laid out and exposed,
    // so its first paint copies the dealt cards' pictures instead of drawing them.
    std::vector<int> numbers;
    for (TZuCardGroup* group : { PlayerS, PlayerW, PlayerN, PlayerE, Talon1, Talon2 }) {
        if (group->isHidden()) continue;
        for (int slot = 0; slot < group->SlotCount(); ++slot) {
            const TZuSingleCard& card = *group->CardAt(slot);
            if (!card.Empty()) numbers.push_back(card.PictureNumber());
        }
    }
    DrawCardPicturesAhead(std::move(numbers));
}

void TForm1::CentreOnScreen()
{
    adjustSize();
    // The table at 1x is the smallest the window gets.
    setMinimumSize(size());
    FTableMinimum = size();
    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.center() - rect().center());
}

void TForm1::RestoreWindowSize()
{
    const std::optional<TKeptWindowSize> kept = ReadWindowSize(FSettings->FileName);
    const QRect screenArea = screen()->availableGeometry();
    if (!kept) {
        resize(FirstWindowSize(minimumSize(), screenArea.size()));
        move(screenArea.center() - rect().center());
        return;
    }
    const QSize size = kept->size.expandedTo(minimumSize())
                           .boundedTo(screenArea.size().expandedTo(minimumSize()));
    resize(size);
    move(screenArea.center() - rect().center());
    if (kept->maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::KeepWindowSize()
{
    const bool maximized = isMaximized();
    const QSize size = maximized ? normalGeometry().size() : this->size();
    StoreWindowSize(
        FSettings->FileName, TKeptWindowSize { size.isValid() ? size : this->size(), maximized });
}

TForm1::~TForm1()
{
    // Qt hides the panel as it takes the window apart: that is no choice to keep.
    if (FHistory) FHistory->toggleViewAction()->disconnect(this);
    // The look's rounded pictures are the window's: others get them plain.
    SetScaledPictureCorners(0);
    // Nothing lands for the window once it goes.
    if (FController) FController->OnCardLanded = nullptr;
    // The worker must be gone before the groups and the log it uses.
    if (FController) FController->Shutdown();
    // A computer sequence stuck past its stop still reads the match: the
    // controller stays for the few moments left to the process.
    if (FController && FController->SequenceAbandoned()) {
        static auto* const kept = new std::vector<std::unique_ptr<TMatchController>>;
        kept->push_back(std::move(FController));
    }
    FController.reset();
}

void TForm1::CreateTable()
{
    // The view made next takes the table as its own.
    FTable = new TTableSurface();
    FTable->setObjectName(QStringLiteral("Table"));
    // A window of its own inside the view: it takes the window's font itself.
    FTable->setFont(font());
    FTable->setAutoFillBackground(true);
    QPalette palette = FTable->palette();
    palette.setColor(QPalette::Window, clGreen);
    FTable->setPalette(palette);

    // Placed, with the table rows and the deck, by the table's layout
    // (ArrangeSeats) once the view holds the table.
    PlayerN = CreateSeat("PlayerN", FLabels[2]);
    PlayerW = CreateSeat("PlayerW", FLabels[1]);
    PlayerE = CreateSeat("PlayerE", FLabels[3]);
    PlayerS = CreateSeat("PlayerS", FLabels[0]);
    PlayerW->SetCascadeSide(csDown);
    PlayerE->SetCascadeSide(csDown);
    PlayerS->SetShowAutoTight(true);
    PlayerS->SetShowBack(false);

    for (TZuCardGroup** talon : { &Talon1, &Talon2 }) {
        auto* group = new TZuCardGroup(FTable);
        group->HoldDrawingUntilShown();
        group->setObjectName(talon == &Talon1 ? "Talon1" : "Talon2");
        group->SetShowBack(false);
        group->SetAutoEmpty(true);
        group->SetCascadeStyle(csNormal);
        for (int i = 0; i < 6; ++i)
            group->CardList().Add().Card().SetEmpty(true);
        group->SetAutoSize(true);
        *talon = group;
    }
    Talon1->SetShowAutoTight(true);

    // The deck the cards are dealt from, in the lower left corner (placed with
    // the seats), clear of the names and the last moves; the cards fly out of
    // it and it thins as the hand goes on. Drawn when the window first shows.
    RealDeck = new TZuCardDeck(FTable, TZuDeckDrawing::WhenShown);
    RealDeck->setObjectName(QStringLiteral("RealDeck"));
    RealDeck->SetShowLastCard(false);
    Deck = new TZuVirtualDeck(this);
    Deck->SetShuffleCount(kStandardShufflePasses);
    Deck->SetVisualDeck(RealDeck);
    Deck->SetOriginX(59);
    Deck->SetOriginY(34);
    // Connected to the card groups only while "Animacija" is on; otherwise
    // cards appear in place without flying.
    ZuSprite1 = new TZuSprite(FTable);
    FMarks = new TSeatMarks(FTable, FLabels);
    FHintCard = new THintCard(FTable);
    // A computer's revealed card, raised toward the table in a white ring.
    FRevealCard = new THintCard(FTable);
    FRevealCard->setObjectName(QStringLiteral("RevealedCard"));
    FNotes = new TTableNotes(FTable);
    FHintCard->OnClick = [this](int slot) {
        bool playIt = false, faceDown = false;
        TZuTablePos pos = PlayerS->TablePlayPos();
        PlayerS->OnCardClick(
            PlayerS, PlayerS->CardAt(slot), slot, playIt, pos, faceDown, Qt::LeftButton);
    };
}

TZuCardGroup* TForm1::CreateSeat(const char* name, QLabel*& label)
{
    auto* group = new TZuCardGroup(FTable);
    // The start deals twice and lays the table out again once the window's
    // frame is known: the cards are drawn once, when they first show.
    group->HoldDrawingUntilShown();
    group->setObjectName(QString::fromLatin1(name));
    group->SetCascadeStyle(csLoose);
    group->SetAutoSize(true);
    label = new QLabel(FTable);
    MakeBoldLabel(label);
    group->SetPlayerNameLabel(label);
    return group;
}

TScorePanel* TForm1::ScorePanel(int grid)
{
    TScorePanel*& panel = FPanels.at(grid);
    if (!panel) panel = MakeScorePanel(grid);
    return panel;
}

TScorePanel* TForm1::MakeScorePanel(int grid)
{
    using B = TScorePanel::TRowButton;
    TScorePanel* panel = grid == 0
        ? new TScorePanel(
            FTable, 5, { B { 1, SeatS }, B { 2, SeatW }, B { 3, SeatN }, B { 4, SeatE } }, 199, 215)
        : grid == 1 ? new TScorePanel(FTable, 3,
              { B { 1, SeatS }, B { 1, SeatN }, B { 2, SeatW }, B { 2, SeatE } }, 223, 255)
                    : new TScorePanel(FTable, 3, { B { 1, SeatS }, B { 2, SeatN } }, 199, 215);
    panel->hide();
    panel->OnSeatClick = [this](int seat) { ShowTakenCards(seat); };
    for (int row = 0; row < panel->Grid()->RowCount(); ++row)
        for (int column = 0; column < 5; ++column)
            panel->Grid()->SetCells(column, row, QString());
    EnableRowButtons(panel);
    if (FController) NameRowButtons(panel);
    if (FView) ArrangeSeats();
    return panel;
}

void TForm1::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    const int widths[] = { 150, 150, 50 };
    for (int i = 0; i < 3; ++i) {
        FStatus[i] = new QLabel(bar);
        FStatus[i]->setTextFormat(Qt::PlainText);
        FStatus[i]->setFixedWidth(widths[i]);
        FStatus[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(FStatus[i], i == 2 ? 1 : 0);
    }
    FStatus[2]->setMinimumWidth(widths[2]);
    FStatus[2]->setMaximumWidth(QWIDGETSIZE_MAX);
    // The table and the bar together fill the client area under the menu.
    FTable->setFixedSize(ClientWidth, ClientHeight - bar->sizeHint().height());
}

void TForm1::CreateTableView()
{
    FView = new TTableView(FTable, this);
    setCentralWidget(FView);
    FView->OnScaleSettled = [this](qreal scale) { ApplyTableScale(scale); };
    FView->OnTableResized = [this] {
        FFlightStage->SetArea(
            QRectF(FTable->rect())
                .adjusted(-ZuCardWidth, -ZuCardHeight, ZuCardWidth, ZuCardHeight));
        if (PlayerS->CascadeStyle() != HumanCascade()) ApplyCascadeStyles();
        WidenScoreNames();
        ArrangeSeats();
    };
    FFlightStage = new TFlightStage();
    // Room around the table for a card flying off its edge.
    FFlightStage->SetArea(
        QRectF(FTable->rect()).adjusted(-ZuCardWidth, -ZuCardHeight, ZuCardWidth, ZuCardHeight));
    FView->scene()->addItem(FFlightStage);
    FFlightStage->SetPictureScale(std::clamp(std::ceil(devicePixelRatioF()), 1.0, 2.0));
    ZuSprite1->SetStage(FFlightStage);
    FlightFigures().frameIntervalNs = qint64(ZuSprite1->FrameMs()) * 1'000'000;
    FTable->OnPress = [this](QPoint at, Qt::MouseButton button) { TablePress(at, button); };
    ArrangeSeats();
}

void TForm1::ApplyTableScale(qreal scale)
{
    ApplyTextScale();
    for (TZuCardGroup* group : { PlayerS, PlayerW, PlayerN, PlayerE, Talon1, Talon2 })
        group->SetViewScale(scale);
    RealDeck->SetViewScale(scale);
    // As the groups draw their pictures: whole device pixels, at the view's scale.
    const qreal pictureScale = scale * std::clamp(std::ceil(devicePixelRatioF()), 1.0, 2.0);
    FFlightStage->SetPictureScale(pictureScale);
    // The groups drew their cards at the new scale just now; the other faces
    // are drawn on another core, so a deal or a flight finds its card drawn.
    std::vector<int> faces;
    for (int id = kFirstCardId; id <= kLastSuitCardId; ++id)
        faces.push_back(id);
    DrawScaledPicturesAhead(std::move(faces), pictureScale);
    // The old scale's pictures were freed just now; a window resized a few
    // times would otherwise hold each size's worth of pages.
    ReturnFreeMemory();
    // The raised hint card is a copy of its card's picture: copy it anew.
    if (FHintCard->Slot() >= 0) FHintCard->ShowSlot(PlayerS, FHintCard->Slot());
    if (FRevealCard->Slot() >= 0) ShowRevealedCard(FRevealSeat, FRevealCard->Slot());
}

void TForm1::ApplyAnimation()
{
    // A change lands what is in the air first: no card is left flying.
    if (FController) FController->LandFlights();
    const int ms = FlightTimeMs(ReadAnimation(FSettings->FileName));
    ZuSprite1->SetFlightTime(ms);
    for (TZuCardGroup* group : { PlayerS, PlayerW, PlayerN, PlayerE, Talon1, Talon2 })
        group->SetSprite(ms > 0 ? ZuSprite1 : nullptr);
}

void TForm1::SettleTableScale()
{
    FView->SettleNow();
}

QRect TForm1::TableToWindow(const QRect& r) const
{
    return FView->FromTable(r).translated(FView->mapTo(this, QPoint(0, 0)));
}

void TForm1::ConnectCards()
{
    using namespace std::placeholders;
    for (TZuCardGroup* seat : { PlayerS, PlayerW, PlayerN, PlayerE })
        seat->OnCardClick
            = [this](TZuCardGroup* sender, TZuSingleCard* card, int position, bool& playIt,
                  TZuTablePos& tablePos, bool& faceDown, Qt::MouseButton button) {
                  FController->PlayerSCardClick(
                      sender, card, position, playIt, tablePos, faceDown, button);
              };
    for (TZuCardGroup* talon : { Talon1, Talon2 })
        talon->OnCardClick
            = [this](TZuCardGroup* sender, TZuSingleCard* card, int position, bool& playIt,
                  TZuTablePos& tablePos, bool& faceDown, Qt::MouseButton button) {
                  FController->Talon1CardClick(
                      sender, card, position, playIt, tablePos, faceDown, button);
              };
}
