// zaviko_sound_probe FOLDER: the real window, with "Zvuk" on at full volume,
// plays a scripted round through the system's audio: quiet first, then the
// human lays a card down, the three computer seats move a second apart, the
// human's turn comes, and it is quiet again. Each stretch and each sound is
// printed as it happens, with the wall clock in milliseconds, so that
// scripts/sound_check.py can hold a recording of the audio against it:
//
//   quiet <from-ms> <to-ms>
//   cue <name> <ms>
#include "cards/zucard.h"
#include "game/controller/match_controller.h"
#include "settings/ini.h"
#include "tools/screenshots/sheet_program.h"
#include "tools/screenshots/window_positions.h"
#include "ui/sound/mixer_output.h"
#include "ui/sound/sound_cues.h"
#include "ui/sound/sound_setting.h"
#include "ui/window/animation_box.h"
#include "ui/window/main_window.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

qint64 Now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// The real device, each cue printed as it starts.
class TPrintedOutput : public TSoundOutput {
public:
    void Load() override { FDevice.Load(); }
    void Play(TSoundCue cue) override
    {
        std::printf("cue %s %lld\n", qPrintable(SoundCueName(cue)), Now());
        std::fflush(stdout);
        FDevice.Play(cue);
    }
    void SetVolume(int percent) override { FDevice.SetVolume(percent); }

private:
    TMixerOutput FDevice;
};

// Serves the event loop for `ms`, or until `done` says so.
void Serve(int ms, const std::function<bool()>& done = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms && !(done && done()))
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void Quiet(int ms)
{
    const qint64 from = Now();
    Serve(ms);
    std::printf("quiet %lld %lld\n", from, Now());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    TSheetProgram program(argc, argv, snSettingsFolder | snCardPictures);
    if (!program.Ready()) return 1;
    TIni ini(program.SettingsFile());
    // A second's reveal before each computer move spaces the sounds out.
    ini.SetGameOptions(0, 0, 0, 1, 0, true, false, true, true, true, false);
    StoreAnimation(ini.FileName, TAnimation::Off);
    StoreSound(ini.FileName, true, 100);
    TForm1 form(QFileInfo(ini.FileName).path());
    form.Sound().SetOutput(std::make_unique<TPrintedOutput>());
    form.show();
    TMatchController& controller = form.Controller();
    Serve(5000, [&] { return !controller.FirstActivation(); });
    if (controller.FirstActivation() || !form.Sound().On()) {
        std::fprintf(stderr, "the window did not start with the sounds on\n");
        return 1;
    }
    controller.ShowState(OpenPosition(SeatS));
    // The audio stream opens while the table shows (the first sound, the
    // human's turn, may come late while it does); then the silence.
    Serve(3000);
    Quiet(1500);
    bool playIt = false, faceDown = false;
    TZuTablePos pos = tpAuto;
    TZuCardGroup* hand = form.PlayerS;
    hand->OnCardClick(hand, hand->CardAt(1), 1, playIt, pos, faceDown, Qt::LeftButton);
    Serve(30000, [&] { return !controller.Busy(); });
    if (controller.Busy()) {
        std::fprintf(stderr, "the computers' moves did not end\n");
        return 1;
    }
    // The last sound dies away before the quiet is measured.
    Serve(1200);
    Quiet(1500);
    return 0;
}
