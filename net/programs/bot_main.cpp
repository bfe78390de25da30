// zaviko-bot: plays one seat of a table through the protocol, as a computer
// strength would, until the match ends.
#include "net/client/table_bot.h"
#include "net/protocol/invitation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

int main(int argc, char* argv[])
{
    using namespace zaviko::net;
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays a Zaviko seat by invitation."));
    parser.addHelpOption();
    parser.addPositionalArgument("link", "The invitation, zaviko://HOST:PORT/TABLE/CODE.");
    const QCommandLineOption strength(
        "strength", "0 Pametno, 1 Prosecno, 2 Glupo, 3 Majstor.", "n", "0");
    const QCommandLineOption name("name", "The seat's name.", "name", "Bot");
    const QCommandLineOption secure("secure", "Connect with wss://.");
    parser.addOptions({ strength, name, secure });
    parser.process(app);
    const auto invitation = ParseInvitation(parser.positionalArguments().value(0));
    if (!invitation) {
        std::fprintf(stderr, "not an invitation link\n");
        return 2;
    }
    TTableBot bot(parser.value(strength).toInt(), QRandomGenerator::system()->generate64());
    TTableClient& client = bot.Client();
    client.connected = [&] {
        client.Send(JoinRequest(parser.value(name), invitation->table, invitation->code));
    };
    client.refused
        = [&](const QString& code) { std::fprintf(stderr, "refused: %s\n", qPrintable(code)); };
    client.state = [&](const TSeatView& view) {
        if (view.state.GameOver) {
            std::printf("match over: %d %d %d %d\n", view.state.Score[0], view.state.Score[1],
                view.state.Score[2], view.state.Score[3]);
            app.quit();
        }
    };
    client.disconnected = [&] { app.exit(1); };
    client.Connect(ServerUrl(*invitation, parser.isSet(secure)));
    return app.exec();
}
