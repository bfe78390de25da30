// The menu commands, the exchanges with the dialogs and the window's events.
#include "ui/window/main_window.h"
#include "ui/window/table_look_setting.h"

#include "ui/access/game_speech.h"
#include "ui/sound/sound_cues.h"
#include "ui/sound/sound_setting.h"

#include "cards/zucard.h"
#include "game/controller/match_controller.h"
#include "platform/message_sink.h"
#include "settings/ini.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/window/after_first_paint.h"
#include "ui/dialogs/help_viewer.h"
#include "ui/window/hint_card.h"
#include "ui/access/keyboard_play.h"
#include "ui/desktop/language.h"
#include "ui/dialogs/mnemonics.h"
#include "ui/window/move_history_panel.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/rename_dialog.h"
#include "game/controller/saved_match_store.h"
#include "ui/window/score_panel.h"
#include "ui/window/table_view.h"
#include "ui/window/taken_cards_view.h"
#include "ui/network/net_table.h"

#include <QAction>
#include <QTimer>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

#include <utility>

bool TForm1::Idle() const
{
    // While a stop of the computers is under way, commands wait for it.
    return FController && !FController->Stopping() && !FClosing;
}

namespace {

const char* const kAbandonNew
    = QT_TRANSLATE_NOOP("TForm1", "Partija je u toku. Da li zelis da je prekines i pocnes novu?");
const char* const kAbandonClose = QT_TRANSLATE_NOOP("TForm1",
    "Partija je u toku. Da li zelis da izadjes?\n\nPartija ce biti sacuvana, pa mozes da je "
    "nastavis kad sledeci put pokrenes igru.");

// The match stands still while the player answers a question about it, and
// through what the answer does; then it goes on, if it still runs.
class TQuestionHold {
public:
    TQuestionHold(TMatchController* controller, bool asking)
        : FController(asking ? controller : nullptr)
    {
        if (FController) FController->HoldMatch(true);
    }
    ~TQuestionHold()
    {
        if (FController) FController->HoldMatch(false);
    }
    TQuestionHold(const TQuestionHold&) = delete;
    TQuestionHold& operator=(const TQuestionHold&) = delete;

private:
    TMatchController* const FController;
};

} // namespace

void TForm1::New1Click()
{
    if (!Idle()) return;
    // At a network table "Nova" leaves it first, asking.
    if (FController->RemoteMatch() || FNet->Active()) {
        if (LeaveNetworkTable()) FController->NewGame(false);
        return;
    }
    // A single key press must not throw a match away.
    const bool ask = FController->MatchUnderway();
    const TQuestionHold hold(FController.get(), ask);
    if (ask && !MessageSink().Confirmation(tr(kAbandonNew).toStdString())) return;
    FController->NewGame(false);
}

void TForm1::Vratipotez1Click()
{
    if (!Idle()) return;
    FController->UndoMove();
    if (FKeys) FKeys->Follow();
}

void TForm1::Pocniigru1Click()
{
    if (Idle()) FController->StartMatch();
}

void TForm1::ShowTakenCards(int seat)
{
    if (Idle()) Overview()->ShowTakenBy(*FController->Seat(seat));
}

void TForm1::NameRowButtons(TScorePanel* panel)
{
    // A row's "»" says whose cards it opens.
    for (std::size_t i = 0; i < panel->Buttons().size(); ++i) {
        const int seat = panel->ButtonSeats()[i];
        panel->Buttons()[i]->setToolTip(
            tr("Pokupljene karte: %1").arg(FController->Seat(seat)->PlayerName()));
    }
}

void TForm1::ApplyViewPermissions()
{
    FCanViewMine = FSettings->CanViewMyCollectedCards;
    FCanViewOthers = FSettings->CanViewOtherCollectedCards;
    for (TScorePanel* panel : FPanels)
        if (panel) EnableRowButtons(panel);
    for (int seat = SeatS; seat <= SeatE; ++seat)
        FMenu.TakenBy[std::size_t(seat)]->setEnabled(seat == SeatS ? FCanViewMine : FCanViewOthers);
    FMenu.Taken->setEnabled(FCanViewMine || FCanViewOthers);
    ShowTakenPiles();
}

void TForm1::EnableRowButtons(TScorePanel* panel)
{
    const auto& buttons = panel->Buttons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        // The first button of each panel is the human's own.
        const bool mine = i == 0;
        buttons[i]->setEnabled(mine ? FCanViewMine : FCanViewOthers);
    }
}

void TForm1::Promenaimena1Click()
{
    if (!Idle()) return;
    TFPromenaImena dialog(this);
    dialog.FillNames(FSettings.get(), PlayerS->PlayerName(), PlayerW->PlayerName(),
        PlayerN->PlayerName(), PlayerE->PlayerName());
    if (dialog.exec() != QDialog::Accepted) return;
    FController->ApplyNames();
    ApplyNamesToMenus();
    FHistory->Rebuild();
    // The labels take the new names' widths and the marks follow them.
    ArrangeSeats();
}

void TForm1::Opcije1Click()
{
    if (!Idle()) return;
    TFOptions dialog(this);
    const TIni& s = *FSettings;
    dialog.FillOptions(FSettings.get(), s.NumberOfPlayers, s.NumberOfDecks, FSettings->CompPlays,
        s.CompPlayDelay, s.CompWaitForPlay, s.Clockwise, s.CompCardsTight, s.HumanCardsTight,
        FCanViewMine, FCanViewOthers, FController->LogEnabled());
    dialog.FillSpeech(SpeechOn());
    dialog.FillSound(ReadSoundOn(FSettings->FileName), ReadSoundVolume(FSettings->FileName));
    dialog.FillLook(FLook == TTableLook::Modern ? 1 : 0, ReadCaptureOutline(FSettings->FileName));
    if (dialog.exec() != QDialog::Accepted) return;
    FController->ApplyOptions();
    ApplySpeechSetting();
    ApplySoundSetting();
    ApplyAnimation();
    if (dialog.AppearanceChanged) {
        ApplyCascadeStyles();
        ArrangeSeats();
    }
    if (dialog.LookChanged()) ApplyLook();
    ApplyViewPermissions();
}

void TForm1::About1Click()
{
    if (!Idle()) return;
    TFAbout dialog(this);
    dialog.exec();
    if (dialog.HelpAsked()) Pomoc1Click();
}

void TForm1::Pomoc1Click()
{
    if (!Idle()) return;
    // One help window: F1 again brings it to the front.
    // A closed one may wait for its deletion: only a visible one counts.
    for (THelpViewer* open : findChildren<THelpViewer*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!open->isVisible()) continue;
        open->raise();
        open->activateWindow();
        return;
    }
    ShowHelp(this, HelpFileIn(HelpFileOf(QApplication::applicationFilePath()), CurrentLanguage()));
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Now the frame is known, so the table can be centred on the window.
    ArrangeTable();
    if (FController && FController->FirstActivation()) {
        // From the event loop, once the window is on its way to the screen:
        // until then the other core is the show's.
        QTimer::singleShot(0, this, [this] { DrawShownPicturesAhead(); });
        // The start prompt waits until the dealt table has been painted; the
        // speech server is reached before it, not during the first move.
        CallAfterFirstPaint(this, [this] {
            // The sounds are read in once the table is on the screen.
            if (FSound) FSound->Prepare();
            if (FSpeech) {
                FSpeech->Prepare();
                // The seat on turn was marked before a screen reader could
                // have switched the speech on.
                if (!FSpeech->Spoke()) {
                    FSpeech->ForgetTurn();
                    SpeakTurn(FController->State().CurrentPlayer);
                }
            }
            FormActivate();
        });
    }
}

void TForm1::FormActivate()
{
    FController->EndDeferredLogSync();
    if (!FController->FirstActivation()) return;
    FController->SetFirstActivation(false);
    // Started for an invitation: the table comes first; the local match
    // waits unasked (a saved one stays kept for the next start).
    if (!FLinkAtStart.isEmpty())
        return QTimer::singleShot(
            0, this, [this, link = std::exchange(FLinkAtStart, {})] { JoinByLink(link); });
    if (OfferSavedMatch()) return;
    // The start's deal may still fly (it left before the window showed):
    // the question stands over the landed table, as after "Nova igra".
    FController->AskWhenDealt();
}

void TForm1::ShowSavedMatch()
{
    const TSavedMatchStore store(FSettings->FileName);
    if (!store.Exists()) return;
    FSavedMatch = store.Load();
    // The question about it is asked over its own table, not a fresh deal.
    if (FSavedMatch)
        FController->ShowState(FSavedMatch->state, FSavedMatch->lastMoves, FSavedMatch->history);
}

bool TForm1::OfferSavedMatch()
{
    if (!FSavedMatch) return false;
    const TSavedMatch saved = *std::exchange(FSavedMatch, std::nullopt);
    const bool resume = MessageSink().Confirmation(tr("Nastavi zapocetu partiju?").toStdString());
    if (FStopBySignal) {
        // The question was dismissed by a stop: the match waits for the next start.
        FSavedMatch = saved;
        return true;
    }
    // Offered once: a declined match is not offered again. A resumed one
    // stays on the disk, as the match in progress.
    if (!resume) TSavedMatchStore(FSettings->FileName).Remove();
    if (resume) {
        FController->ResumeMatch(saved);
        ResumeReviews();
    } else {
        // The table shown was the saved one: a fresh match replaces it.
        FController->NewGame(false);
    }
    return true;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (FController && FController->Stopping()) {
        event->ignore();
        return;
    }
    const bool remote = FController && FController->RemoteMatch();
    if (remote && !FStopBySignal && !LeaveNetworkTable()) {
        event->ignore();
        return;
    }
    const bool ask = !remote && FController && FController->MatchUnderway() && !FStopBySignal;
    const TQuestionHold hold(FController.get(), ask);
    if (ask && !MessageSink().Confirmation(tr(kAbandonClose).toStdString())) {
        event->ignore();
        return;
    }
    FClosing = true;
    // The worker stops before the log closes and before anything it uses goes.
    if (FController) {
        FController->Shutdown();
        // A network match is the server's: the last match kept is the local one.
        if (!remote) KeepMatchOnClose();
    }
    if (FOverview) FOverview->CloseIfOpen();
    KeepWindowSize();
    event->accept();
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    if (Idle() && ReadKey(*event)) {
        event->accept();
        return;
    }
    if (FKeys && Idle() && FKeys->KeyPress(*event)) {
        // The raised hint card shows the keys' ring when it is on its card.
        if (FHintCard->isVisible()) FHintCard->update();
        event->accept();
        return;
    }
    if (!event->text().isEmpty() && FController) FController->FormKeyPress(event->text().at(0));
    QMainWindow::keyPressEvent(event);
}

bool TForm1::OnCardGroup(QPoint at) const
{
    for (const QWidget* w = FTable->childAt(at); w && w != FTable; w = w->parentWidget())
        if (qobject_cast<const TZuCardGroup*>(w)) return true;
    return false;
}

void TForm1::TablePress(QPoint at, Qt::MouseButton button)
{
    // A card group leaves its presses unhandled, so they reach the table
    // too; a right press there belongs to the card's click, which must still
    // see the marks. A left press anywhere ends a reveal.
    const bool background = !OnCardGroup(at);
    // The mouse plays now: the keyboard's ring goes until the next key, and
    // the keys come back to the table from the chat's line.
    if (FKeys) FKeys->Hide();
    if (focusWidget() != this) setFocus();
    FHintCard->update();
    if (FController && (background || button == Qt::LeftButton)) FController->FormMouseDown(button);
}

void TForm1::mousePressEvent(QMouseEvent* event)
{
    // Beside the table (a wider window's green margin) or on the status bar.
    if (FKeys) FKeys->Hide();
    FHintCard->update();
    if (FController) FController->FormMouseDown(event->button());
    QMainWindow::mousePressEvent(event);
}
