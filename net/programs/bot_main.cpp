// zaviko-bot: plays one seat of a table through the protocol, as a computer
// strength would, until the match ends. With --open it opens the table itself
// (W and E to computers in the four-seat modes), prints the invitation and
// starts the match once every other seat is taken.
#include "game/rules/computer_move.h"
#include "net/client/table_bot.h"
#include "net/protocol/invitation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

namespace {

using namespace zaviko::net;

// Every seat the mode plays is held by a person or a computer.
bool AllSeated(const QJsonObject& seats, int mode)
{
    const QJsonArray list = seats.value("seats").toArray();
    for (int seat = SeatS; seat <= SeatE; ++seat)
        if (SeatPlays(mode, seat) && list.at(seat).toObject().value("kind") == "free") return false;
    return !list.isEmpty();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays a Zaviko seat by invitation."));
    parser.addHelpOption();
    parser.addPositionalArgument("link", "The invitation, zaviko://HOST:PORT/TABLE/CODE.");
    const QCommandLineOption strength(
        "strength", "0 Pametno, 1 Prosecno, 2 Glupo, 3 Majstor.", "n", "0");
    const QCommandLineOption name("name", "The seat's name.", "name", "Bot");
    const QCommandLineOption secure("secure", "Connect with wss://.");
    const QCommandLineOption open("open", "Open a table on ws://HOST:PORT/ instead.", "url");
    const QCommandLineOption mode("mode", "With --open: 0, 1 or 2.", "n", "0");
    const QCommandLineOption decks("decks", "With --open: 0 one deck, 1 two.", "n", "0");
    const QCommandLineOption computers("computers", "With --open: W and E's strength.", "n", "3");
    const QCommandLineOption think(
        "think", "Milliseconds the seat waits before each move, as a person.", "ms", "0");
    parser.addOptions({ strength, name, secure, open, mode, decks, computers, think });
    parser.process(app);
    const bool opening = parser.isSet(open);
    const auto invitation = ParseInvitation(parser.positionalArguments().value(0));
    if (!opening && !invitation) {
        std::fprintf(stderr, "not an invitation link\n");
        return 2;
    }
    const int gameMode = parser.value(mode).toInt();
    TTableBot bot(parser.value(strength).toInt(), QRandomGenerator::system()->generate64());
    bot.thinkMs = std::max(0, parser.value(think).toInt());
    TTableClient& client = bot.Client();
    client.connected = [&] {
        if (!opening) {
            client.Send(JoinRequest(parser.value(name), invitation->table, invitation->code));
            return;
        }
        client.Send(OpenRequest(
            parser.value(name), { gameMode, parser.value(decks).toInt(), true, csMajstor, 0 }));
        if (gameMode != kTwoPlayers)
            for (int seat : { SeatW, SeatE })
                client.Send(SeatRequest(seat, SeatUse::Computer, parser.value(computers).toInt()));
    };
    bool started = false;
    client.message = [&](const QJsonObject& m) {
        if (m.value("type") == "welcome" && m.contains("link")) {
            std::printf("%s\n", qPrintable(m.value("link").toString()));
            std::fflush(stdout);
        }
        if (opening && !started && m.value("type") == "seats" && AllSeated(m, gameMode)) {
            started = true;
            client.Send(StartRequest());
        }
    };
    client.refused
        = [&](const QString& code) { std::fprintf(stderr, "refused: %s\n", qPrintable(code)); };
    client.state = [&](const TSeatView& view) {
        if (!view.state.GameOver) return;
        std::printf("match over after %d moves: %d %d %d %d\n", view.state.MovesMade,
            view.state.Score[0], view.state.Score[1], view.state.Score[2], view.state.Score[3]);
        app.quit();
    };
    client.disconnected = [&] { app.exit(1); };
    client.Connect(
        opening ? QUrl(parser.value(open)) : ServerUrl(*invitation, parser.isSet(secure)));
    return app.exec();
}
