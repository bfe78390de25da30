// Renders the "Statistika" dialog to PNG files: empty, and after a few
// matches in two modes.
#include "game/controller/statistics_store.h"
#include "ui/dialogs/dialog_scale.h"
#include "ui/dialogs/statistics_dialog.h"

#include "tools/screenshots/sheet_language.h"
#include "tools/screenshots/sheet_program.h"
#include "tools/screenshots/sheets.h"

namespace {

// A few evenings of play: matches and their hands in two modes, some hints.
void PlaySomeMatches(TStatisticsStore& store)
{
    const int scores[] = { 104, 87, 121, 66, 113 };
    for (int i = 0; i < 5; ++i) {
        for (int hand = 0; hand < 6; ++hand) {
            store.Record({ TMatchEventKind::HandEnded, kEachForHimself, 0, hand % 3 == 0 ? 1 : 0,
                hand % 2 == 0 });
            // Each hand's review: the player's accuracy in it.
            store.Record({ TMatchEventKind::HandReviewed, kEachForHimself, 0, 0, false, 0, false,
                60 + 7 * hand });
        }
        store.Record({ TMatchEventKind::MatchEnded, kEachForHimself, 0, 0, false, scores[i],
            scores[i] > 100 });
    }
    for (int hand = 0; hand < 4; ++hand)
        store.Record({ TMatchEventKind::HandEnded, kTwoPlayers, 1, 2, hand != 1 });
    store.Record({ TMatchEventKind::MatchEnded, kTwoPlayers, 1, 0, false, 132, true });
    for (int hint = 0; hint < 3; ++hint)
        store.Record({ TMatchEventKind::HintShown, kTwoPlayers, 1 });
}

} // namespace

int RunStatisticsSheet(int argc, char** argv)
{
    TSheetProgram program(argc, argv, snSettingsFolder);
    if (!program.Ready() || !InstallSheetLanguage()) return 1;
    const QDir folder = program.Dir();
    TStatisticsStore store(program.SettingsFile());
    bool ok = true;
    {
        TStatisticsDialog empty(store);
        ok &= SaveSheet(empty, folder, "statistics-empty");
    }
    PlaySomeMatches(store);
    TStatisticsDialog played(store);
    ok &= SaveSheet(played, folder, "statistics");
    // Opened over a window maximised on a 1920 x 1080 screen.
    QWidget window;
    new TDialogScaler(&window, [] { return 1080.0 / 572; });
    TStatisticsDialog grown(store, nullptr, nullptr, &window);
    ok &= SaveSheet(grown, folder, "statistics-grown");
    return ok ? 0 : 1;
}
