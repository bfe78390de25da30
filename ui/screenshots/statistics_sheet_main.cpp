// Renders the "Statistika" dialog to PNG files: empty, and after a few
// matches in two modes.
#include "ui/statistics_dialog.h"
#include "ui/statistics_store.h"

#include "ui/screenshots/sheet_language.h"
#include "ui/screenshots/sheet_support.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A few evenings of play: matches and their hands in two modes, some hints.
void PlaySomeMatches(TStatisticsStore& store)
{
    const int scores[] = { 104, 87, 121, 66, 113 };
    for (int i = 0; i < 5; ++i) {
        for (int hand = 0; hand < 6; ++hand)
            store.Record({ TMatchEventKind::HandEnded, kEachForHimself, 0, hand % 3 == 0 ? 1 : 0,
                hand % 2 == 0 });
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

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!InstallSheetLanguage()) return 1;
    const QString folderPath = SheetFolder(argc, argv);
    const QDir folder(folderPath);
    QTemporaryDir settingsDir; // the sheet never touches the real statistics
    if (folderPath.isEmpty() || !settingsDir.isValid()) return 1;
    TStatisticsStore store(settingsDir.filePath(QStringLiteral("Zaviko.ini")));
    bool ok = true;
    {
        TStatisticsDialog empty(store);
        ok &= SaveSheet(empty, folder, "statistics-empty");
    }
    PlaySomeMatches(store);
    TStatisticsDialog played(store);
    ok &= SaveSheet(played, folder, "statistics");
    return ok ? 0 : 1;
}
