// The game's own speech ("Govor"): what the window hears from the match is
// said through TGameSpeech, and the keys that read the game answer there.
#include "ui/window/main_window.h"

#include "cards/zucard.h"
#include "game/controller/match_controller.h"
#include "settings/ini.h"
#include "ui/access/card_words.h"
#include "ui/access/game_speech.h"
#include "ui/access/keyboard_play.h"
#include "ui/access/speech_words.h"
#include "ui/access/tts_speaker.h"
#include "ui/desktop/language.h"
#include "ui/score_grid/score_grid.h"
#include "ui/window/game_option_setting.h"
#include "ui/window/score_panel.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>

#include <utility>

namespace {

const QString kSpeechKey = QStringLiteral("Speech");

// The cards a row shows, in words, left to right.
QStringList RowWords(const TZuCardGroup& group)
{
    QStringList words;
    for (int slot = 0; slot < group.SlotCount(); ++slot)
        if (!group.CardAt(slot)->Empty()) words << CardWords::CardOnScreen(*group.CardAt(slot));
    return words;
}

} // namespace

void TForm1::CreateSpeech()
{
    FSpeech = std::make_unique<TGameSpeech>([this]() -> std::unique_ptr<TSpeaker> {
        return std::make_unique<TTextToSpeechSpeaker>(QLocale(CurrentLanguage()));
    });
    ApplySpeechSetting();
    FKeys->OnAnswer = [this](const QString& text) { FSpeech->Answer(text); };
    // A screen reader reads the focused card itself.
    FKeys->SpeakFocus = [this] { return SpeechOn() && !QAccessible::isActive(); };
}

bool TForm1::SpeechChosen(bool* on) const
{
    // A choice the player made is kept; without one the speech follows
    // whether a screen reader runs.
    const bool asOn = ReadGameOption(FSettings->FileName, kSpeechKey, true);
    const bool asOff = ReadGameOption(FSettings->FileName, kSpeechKey, false);
    if (asOn != asOff) return false;
    if (on) *on = asOn;
    return true;
}

void TForm1::ApplySpeechSetting()
{
    bool on = false;
    if (SpeechChosen(&on))
        FSpeech->SetOn(on);
    else
        FSpeech->SetOnRule([] { return QAccessible::isActive(); });
}

bool TForm1::SpeechOn() const
{
    return FSpeech && FSpeech->On();
}

QStringList TForm1::ScoreTotals(int gameMode) const
{
    const int grid = gameMode == kPairs ? 1 : gameMode == kTwoPlayers ? 2 : 0;
    const TPubStrGrid* cells = const_cast<TForm1*>(this)->ScorePanel(grid)->Grid();
    QStringList totals;
    for (int row = 1; row < cells->RowCount(); ++row)
        if (!cells->Cells(0, row).isEmpty())
            totals << tr("%1 %2").arg(cells->Cells(0, row), cells->Cells(4, row));
    return totals;
}

void TForm1::SpeakStatus(int panel, const QString& text)
{
    if (!FSpeech) return;
    if (panel == 2 && !text.isEmpty()) {
        // Why a key or a card did nothing, an undo, a pause: the answer to
        // what the player just did.
        FSpeech->Answer(text);
    } else if (panel == 0 && !text.isEmpty() && text != FDeckText) {
        FDeckText = text;
        FSpeech->Flow(SpeechWords::Deal(text));
        const int seat = std::exchange(FTurnAfterDeal, -1);
        if (seat >= SeatS && seat <= SeatE)
            FSpeech->Turn(seat, SpeechWords::Turn(FController->Seat(seat)->PlayerName()));
    }
}

void TForm1::SpeakTurn(int seat)
{
    if (!FSpeech) return;
    if (seat >= SeatS && seat <= SeatE) {
        // At a hand's end the seat marked on turn has no cards to play.
        TZuCardGroup* hand = FController->Seat(seat);
        if (!hand || hand->NonEmptyCount() == 0) {
            // Said after the deal that gives it cards.
            FTurnAfterDeal = seat;
            return;
        }
        FTurnAfterDeal = -1;
        FSpeech->Turn(seat, SpeechWords::Turn(FController->Seat(seat)->PlayerName()));
    } else if (FController->State().GameOver) {
        FSpeech->Flow(SpeechWords::MatchEnd(ScoreTotals(FController->State().GameMode)));
    }
}

void TForm1::SpeakHint(int slot)
{
    if (!FSpeech || slot < 0 || slot >= PlayerS->SlotCount() || PlayerS->CardAt(slot)->Empty())
        return;
    // The hint has marked the table cards it takes.
    std::vector<int> taken;
    for (TZuCardGroup* row : { Talon1, Talon2 })
        for (int s = 0; s < row->SlotCount(); ++s)
            if (!row->CardAt(s)->Empty() && row->CardAt(s)->Negative())
                taken.push_back(row->CardAt(s)->ID());
    FSpeech->Answer(SpeechWords::Hint(PlayerS->CardAt(slot)->ID(), taken));
}

bool TForm1::ReadKey(const QKeyEvent& event)
{
    if (!FSpeech
        || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    QString text;
    switch (event.key()) {
    case Qt::Key_S:
        text = SpeechWords::Table(RowWords(*Talon1), RowWords(*Talon2));
        break;
    case Qt::Key_R:
        text = SpeechWords::Hand(RowWords(*PlayerS));
        break;
    case Qt::Key_O: {
        QStringList moves;
        for (const QString& move : FSpeech->LastMoves())
            if (!move.isEmpty()) moves << move;
        text = SpeechWords::LastMoves(moves);
        break;
    }
    case Qt::Key_B:
        text = SpeechWords::Scores(ScoreTotals(FController->State().GameMode));
        break;
    case Qt::Key_K:
        text = StatusPanel(0)->text();
        break;
    case Qt::Key_I:
        text = StatusPanel(1)->text().isEmpty() ? SpeechWords::NobodyOnTurn()
                                                : StatusPanel(1)->text();
        break;
    case Qt::Key_L:
        FSpeech->Repeat();
        return true;
    default:
        return false;
    }
    FSpeech->Answer(text);
    return true;
}
