// Four hands play tricks onto the card library's table.
// Usage: trick_table                    play as south
//        trick_table --screenshot FILE  play a few tricks by itself and save
//                                       the window with a trick under way
#include "trick_window.h"

#include "platform/random.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>

namespace {

// South plays its lowest allowed card until, a trick or more into the hand,
// the table shows a trick under way with two or three cards on it (or, late
// in the hand, with one).
int SaveScreenshot(TTrickWindow& window, const QString& file)
{
    FixRandomSeed(11);
    window.NewDeal();
    for (int turn = 0; turn < 13; ++turn) {
        if (!window.PlayForSouth()) break;
        const int onTable = window.Table().PlayedCount();
        if (turn >= 1 && onTable >= (turn < 8 ? 2 : 1) && onTable < 4) break;
    }
    QApplication::processEvents();
    const bool saved = window.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int shot = int(args.indexOf(QStringLiteral("--screenshot")));
    if (shot > 0 && shot + 1 < args.size()) {
        TTrickWindow window(0);
        window.show();
        return SaveScreenshot(window, args[shot + 1]);
    }
    TTrickWindow window(400);
    window.show();
    window.NewDeal();
    return app.exec();
}
