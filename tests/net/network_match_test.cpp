// Whole matches over the network: bots and computers at one table play the
// very match a headless match of the same seed plays, and no seat is ever
// sent a card it could not see at that moment.
#include "net_fixture.h"

#include "game/computer/seat_choice.h"
#include "game/rules/headless_match.h"
#include "net/protocol/invitation.h"
#include "net/protocol/wire_card.h"
#include "net/server/table.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace zaviko::net;
using namespace zaviko::net::test;

namespace {

struct TMatchCase {
    int mode;
    int decks;
    std::array<int, kSeatCount> strengths; // S and N bots, W and E computers
};

// A move as both sides can name it: the seat, the card, the cards taken.
using TMoveText = QString;

TMoveText MoveText(int seat, int played, const std::vector<int>& took)
{
    QStringList cards;
    for (int id : took)
        cards << CardText(id);
    return QStringLiteral("%1:%2>%3").arg(seat).arg(CardText(played), cards.join(','));
}

std::vector<TMoveText> HeadlessMoves(const TMatchCase& c, std::uint64_t seed)
{
    std::vector<TMoveText> moves;
    THeadlessMatchSetup setup;
    setup.seed = seed;
    setup.gameMode = c.mode;
    setup.deckCount = c.decks;
    setup.strengths = c.strengths;
    setup.chooser = [&moves](const TMatchState& s, int seat, int strength, int r) {
        const TComputerChoice choice = ChooseSeatMove(s, seat, strength, r);
        const TMove move = MoveOfChoice(s, seat, choice);
        std::vector<int> took;
        for (const TTableSlot& place : move.take)
            took.push_back(s.table[place.row][place.slot]);
        if (!took.empty()) took.push_back(s.hands[seat][move.handSlot]);
        moves.push_back(MoveText(seat, s.hands[seat][move.handSlot], took));
        return choice;
    };
    PlayHeadlessMatch(setup);
    return moves;
}

// Every card named anywhere in a message, at any depth, under any field.
void CardsIn(const QJsonValue& v, std::vector<int>& ids)
{
    if (v.isString()) {
        if (const int id = CardOfText(v.toString())) ids.push_back(id);
    } else if (v.isArray()) {
        for (const QJsonValue& item : v.toArray())
            CardsIn(item, ids);
    } else if (v.isObject()) {
        for (const QJsonValue& item : v.toObject())
            CardsIn(item, ids);
    }
}

bool Visible(const TMatchState& s, int seat, int id)
{
    const auto has
        = [id](const auto& list) { return std::find(list.begin(), list.end(), id) != list.end(); };
    if (has(s.hands[seat]) || has(s.table[0]) || has(s.table[1])) return true;
    return std::any_of(s.taken.begin(), s.taken.end(), has);
}

struct TSecrecy {
    long cardsSeen = 0;
    QStringList leaks;
};

TServerOptions WatchedOptions(std::uint64_t seed, TSecrecy& secrecy)
{
    TServerOptions options = TNetFixture::TestOptions();
    options.seed = seed;
    options.sentToSeat = [&secrecy](const TTable& table, int seat, const QByteArray& bytes) {
        std::vector<int> ids;
        CardsIn(QJsonDocument::fromJson(bytes).object(), ids);
        for (int id : ids) {
            ++secrecy.cardsSeen;
            if (!table.Match() || !Visible(*table.Match(), seat, id))
                secrecy.leaks << QStringLiteral("%1 to seat %2 in %3")
                                     .arg(CardText(id))
                                     .arg(seat)
                                     .arg(QString::fromUtf8(bytes.left(120)));
        }
    };
    return options;
}

// Two bots (S, and N) and, with four seats, two computers play one match.
std::vector<TMoveText> NetworkMoves(const TMatchCase& c, std::uint64_t seed, TSecrecy& secrecy)
{
    TNetFixture fx(WatchedOptions(seed, secrecy));
    TTableBot host(c.strengths[SeatS], 1), guest(c.strengths[SeatN], 2);
    std::vector<TMoveText> moves;
    host.Client().message = [&moves](const QJsonObject& m) {
        const QJsonObject e = m.value("event").toObject();
        if (e.value("kind").toString() != QLatin1String("move")) return;
        std::vector<int> took;
        for (const QJsonValue& card : e.value("took").toArray())
            took.push_back(CardOfText(card.toString()));
        moves.push_back(
            MoveText(e.value("seat").toInt(), CardOfText(e.value("card").toString()), took));
    };
    const auto over
        = [](TTableBot& bot) { return bot.Client().View() && bot.Client().View()->state.GameOver; };
    host.Client().Connect(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(fx.Port())));
    EXPECT_TRUE(RunUntil([&] { return host.Client().Socket().isValid(); }));
    host.Client().Send(OpenRequest("Host", { c.mode, c.decks, true, csPametno, 0 }));
    EXPECT_TRUE(RunUntil([&] { return !host.Client().Link().isEmpty(); }));
    if (c.mode != kTwoPlayers)
        for (int seat : { SeatW, SeatE })
            host.Client().Send(SeatRequest(seat, SeatUse::Computer, c.strengths[seat]));
    const auto invitation = ParseInvitation(host.Client().Link());
    guest.Client().Connect(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(fx.Port())));
    EXPECT_TRUE(RunUntil([&] { return guest.Client().Socket().isValid(); }));
    guest.Client().Send(JoinRequest("Guest", invitation->table, invitation->code));
    EXPECT_TRUE(RunUntil([&] { return guest.Client().Seat() >= 0; }));
    EXPECT_EQ(guest.Client().Seat(), SeatN);
    host.Client().Send(StartRequest());
    EXPECT_TRUE(RunUntil([&] { return over(host) && over(guest); }, 300000));
    return moves;
}

const TMatchCase kCases[] = {
    { kEachForHimself, 0, { csPametno, csGlupo, csProsecno, csMajstor } },
    { kEachForHimself, 1, { csProsecno, csPametno, csPametno, csGlupo } },
    { kPairs, 0, { csMajstor, csProsecno, csPametno, csGlupo } },
    { kPairs, 1, { csPametno, csGlupo, csProsecno, csPametno } },
    { kTwoPlayers, 0, { csPametno, csPametno, csMajstor, csPametno } },
    { kTwoPlayers, 1, { csProsecno, csPametno, csPametno, csPametno } },
};

TEST(NetMatch, BotsAndComputersPlayTheHeadlessMatchOfTheSeedMoveForMove)
{
    for (const TMatchCase& c : kCases) {
        const std::uint64_t seed = 40 + c.mode * 2 + c.decks;
        TSecrecy secrecy;
        const std::vector<TMoveText> played = NetworkMoves(c, seed, secrecy);
        const std::vector<TMoveText> expected = HeadlessMoves(c, seed);
        EXPECT_GT(played.size(), 40u) << "mode " << c.mode << " decks " << c.decks;
        EXPECT_EQ(played, expected) << "mode " << c.mode << " decks " << c.decks;
        EXPECT_TRUE(secrecy.leaks.isEmpty()) << qPrintable(secrecy.leaks.join('\n'));
    }
}

// The property over many matches in every mode: each card named in any
// frame to a seat is in that seat's hand, on the table or among the taken
// cards at the moment the frame is sent.
TEST(NetMatch, NoSeatIsEverSentACardItCannotSee)
{
    long cards = 0;
    for (std::uint64_t seed = 1; seed <= 4; ++seed)
        for (int mode : { kEachForHimself, kPairs, kTwoPlayers })
            for (int decks : { 0, 1 }) {
                TSecrecy secrecy;
                NetworkMoves({ mode, decks, { csPametno, csGlupo, csProsecno, csPametno } },
                    seed * 1000 + mode * 10 + decks, secrecy);
                cards += secrecy.cardsSeen;
                EXPECT_TRUE(secrecy.leaks.isEmpty()) << qPrintable(secrecy.leaks.join('\n'));
            }
    // Thousands of cards were named to the seats: the check saw real traffic.
    EXPECT_GT(cards, 10000);
}

} // namespace
