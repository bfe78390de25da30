// Renders the "Statistika" dialog to PNG files: empty, and after a few
// matches in two modes.
#include "ui/statistics_dialog.h"
#include "ui/statistics_store.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace {

bool Save(QWidget& widget, const QDir& folder, const char* name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QLatin1String(name) + QStringLiteral(".png"));
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "written" : "FAILED", qPrintable(path));
    widget.close();
    return saved;
}

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
    const QStringList args = QApplication::arguments();
    const QDir folder(args.size() > 1 ? args.at(1) : QStringLiteral("screenshots"));
    QTemporaryDir settingsDir; // the sheet never touches the real statistics
    if (!folder.mkpath(QStringLiteral(".")) || !settingsDir.isValid()) {
        std::fprintf(
            stderr, "zaviko_statistics_sheet: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    TStatisticsStore store(settingsDir.filePath(QStringLiteral("Zaviko.ini")));
    bool ok = true;
    {
        TStatisticsDialog empty(store);
        ok &= Save(empty, folder, "statistics-empty");
    }
    PlaySomeMatches(store);
    TStatisticsDialog played(store);
    ok &= Save(played, folder, "statistics");
    return ok ? 0 : 1;
}
