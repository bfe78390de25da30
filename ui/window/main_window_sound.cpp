// The table heard ("Zvuk"): what the window learns of the match goes to
// TSoundCues, which picks the sound and the moment.
#include "ui/window/main_window.h"

#include "cards/zucard.h"
#include "game/controller/match_controller.h"
#include "game/rules/match_rules.h"
#include "settings/ini.h"
#include "ui/sound/mixer_output.h"
#include "ui/sound/sound_cues.h"
#include "ui/sound/sound_setting.h"
#include "ui/window/game_option_setting.h"

#include <QCoreApplication>

#include <utility>

void TForm1::CreateSound()
{
    FSound = std::make_unique<TSoundCues>([] { return std::make_unique<TMixerOutput>(); });
    ApplySoundSetting();
    // Each card down, for the sound of a move or a dealt card as it lands.
    FController->OnCardLanded = [this] {
        if (FSound) FSound->CardLanded(FController->FlightsUp() == 0);
    };
}

void TForm1::ApplySoundSetting()
{
    FSound->SetVolume(ReadSoundVolume(FSettings->FileName));
    FSound->SetOn(ReadSoundOn(FSettings->FileName));
}

void TForm1::SoundStatus(int panel, const QString& text)
{
    if (!FSound) return;
    if (panel == 0 && !text.isEmpty() && text != std::exchange(FSoundDeckText, text)) {
        // The deck's count changes with every deal.
        FSound->Dealt(FController->FlightsOn());
    } else if (panel == 2 && !text.isEmpty() && !FController->Paused()
        && text != QCoreApplication::translate("TMatchController", "Potez je vracen.")) {
        // Everything else that panel says is why a move or a key did nothing.
        FSound->Refused();
    }
}

void TForm1::SoundMoveShown(int seat, int playedId, const std::vector<int>& takenIds)
{
    // A move is news only when the history grows by it (ShowHistory); the
    // moves shown again after an undo or a resumed match are not.
    const TMatchState& state = FController->State();
    bool cleared = !takenIds.empty();
    for (const auto& row : state.table)
        for (int id : row)
            if (id != kNoCard) cleared = false;
    FSoundMove = TSoundMove { seat, playedId, int(takenIds.size()), cleared };
}

void TForm1::SoundHistory(const TMoveHistory& history)
{
    const bool grew = history.size() == FSoundHistorySize + 1;
    FSoundHistorySize = history.size();
    const std::optional<TSoundMove> move = std::exchange(FSoundMove, std::nullopt);
    if (!FSound || !grew || !move || history.back().seat != move->seat
        || history.back().playedId != move->playedId)
        return;
    FSound->Move(move->taken, move->cleared, FController->FlightsOn());
}

void TForm1::SoundTurn(int seat)
{
    if (!FSound) return;
    if (seat >= SeatS && seat <= SeatE) {
        TZuCardGroup* hand = FController->Seat(seat);
        FSound->Turn(seat, hand && hand->NonEmptyCount() > 0, FController->FlightsUp() > 0);
    } else if (FController->State().GameOver) {
        const TMatchState& state = FController->State();
        const int winner = WinnerSeat(state);
        FSound->MatchEnd(winner == SeatS || (state.GameMode == kPairs && winner == SeatN));
    }
}
