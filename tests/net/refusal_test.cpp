// Bad input from a seated client: each kind gets its coded error, to that
// client alone, and the match does not change.
#include "net_fixture.h"

#include "game/computer/seat_choice.h"
#include "net/server/table.h"

#include <QJsonArray>

#include <gtest/gtest.h>

using namespace zaviko::net;
using namespace zaviko::net::test;

namespace {

// S (host) and W are people, N and E computers; returns once a person is on
// turn holding an empty hand slot, so every kind of bad move can be tried.
struct TSeatedTable {
    TNetFixture fx { TNetFixture::TestOptions() };
    TRecorder host, guest;

    bool Set()
    {
        fx.Open(host, { kEachForHimself, 0, true, csPametno, 0 });
        host.client.Send(SeatRequest(SeatN, SeatUse::Computer, csPametno));
        host.client.Send(SeatRequest(SeatE, SeatUse::Computer, csPametno));
        if (!fx.Join(guest, host) || guest.client.Seat() != SeatW) return false;
        host.client.Send(StartRequest());
        const auto personOnTurn = [this] {
            const TMatchState* s = fx.Server().Table(TableAndCode(host).first)->Match();
            return s && !s->GameOver && (s->CurrentPlayer == SeatS || s->CurrentPlayer == SeatW);
        };
        for (int turn = 0; turn < 100; ++turn) {
            if (!RunUntil(personOnTurn)) return false;
            const TMatchState& s = Match();
            const THand& hand = s.hands[s.CurrentPlayer];
            if (std::find(hand.begin(), hand.end(), kNoCard) != hand.end()) return true;
            const int made = s.MovesMade;
            Mover().client.Send(MoveRequest(MoveOfChoice(
                s, s.CurrentPlayer, ChooseSeatMove(s, s.CurrentPlayer, csPametno, 5))));
            if (!RunUntil([&] { return Match().MovesMade != made; })) return false;
        }
        return false;
    }
    const TMatchState& Match() { return fx.MatchOf(host); }
    TRecorder& Mover() { return Match().CurrentPlayer == SeatS ? host : guest; }
    TRecorder& Other() { return Match().CurrentPlayer == SeatS ? guest : host; }
};

QByteArray Json(const QString& text)
{
    return text.toUtf8();
}

TEST(NetRefusal, EveryKindOfBadInputIsRefusedWithItsCodeAndChangesNothing)
{
    TSeatedTable t;
    ASSERT_TRUE(t.Set());
    const TMatchState before = t.Match();
    const int seat = before.CurrentPlayer;
    const THand& hand = before.hands[seat];
    const int empty = int(std::find(hand.begin(), hand.end(), kNoCard) - hand.begin());
    // A hand card and a table card it cannot take.
    QString illegal;
    for (int slot = 0; slot < kHandSlots && illegal.isEmpty(); ++slot)
        for (const TTableSlot& place :
            { TTableSlot { 0, 2 }, TTableSlot { 1, 3 }, TTableSlot { 0, 0 } })
            if (hand[slot] != kNoCard
                && !IsLegalCapture(before, seat, slot, std::vector { place })) {
                illegal = QStringLiteral(R"({"type":"move","card":%1,"take":[[%2,%3]]})")
                              .arg(slot)
                              .arg(place.row)
                              .arg(place.slot);
                break;
            }
    ASSERT_FALSE(illegal.isEmpty());
    int legal = 0;
    while (hand[legal] == kNoCard)
        ++legal;
    const QByteArray layDown = MoveRequest({ seat, legal, {} });

    TRecorder& mover = t.Mover();
    TRecorder& other = t.Other();
    TRecorder& host = t.host;
    struct TCase {
        TRecorder* from;
        QByteArray frame;
        const char* code;
    };
    const TCase cases[] = {
        { &mover, ChatRequest(QString(5000, QLatin1Char('x'))), "too_big" },
        { &mover, "{\"type\":\"move\",", "bad_json" },
        { &mover, R"({"type":"fold"})", "unknown_type" },
        { &mover, R"({"type":"move","card":"0","take":[]})", "bad_field" },
        { &mover, R"({"type":"move","card":0,"take":[],"seat":1})", "bad_field" },
        { &mover, Json(QStringLiteral(R"({"type":"move","card":%1,"take":[]})").arg(empty)),
            "no_card" },
        { &mover, Json(illegal), "illegal_capture" },
        { &mover,
            Json(QStringLiteral(R"({"type":"move","card":%1,"take":[[0,0],[0,0]]})").arg(legal)),
            "illegal_capture" },
        { &other, layDown, "not_your_turn" },
        { &mover, ChatRequest(QString(201, QLatin1Char('y'))), "text_too_long" },
        { &mover, ChatRequest(QStringLiteral("zvono\a")), "control_chars" },
        { &other, StartRequest(),
            host.client.Seat() == other.client.Seat() ? "started" : "not_host" },
        { &host, StartRequest(), "started" },
        { &host, SeatRequest(SeatS, SeatUse::Free), "bad_seat" },
        { &mover, OpenRequest("Opet", {}), "already_seated" },
        { &mover, JoinRequest("Opet", "t", "c"), "already_seated" },
    };
    // Whatever the last moves sent is read before the first case.
    for (TRecorder* r : { &mover, &other })
        ASSERT_EQ(r->Refusal(R"({"type":"x"})"), "unknown_type");
    for (const TCase& c : cases) {
        TRecorder& silent = c.from == &mover ? other : mover;
        const std::size_t heard = silent.messages.size();
        EXPECT_EQ(c.from->Refusal(c.frame), c.code) << c.frame.left(80).constData();
        EXPECT_TRUE(t.Match() == before) << c.code;
        // A frame of its own, answered in order, shows nothing else was on its way.
        EXPECT_EQ(silent.Refusal(R"({"type":"x"})"), "unknown_type");
        EXPECT_EQ(silent.messages.size(), heard + 1) << c.code;
    }
    mover.client.Socket().sendBinaryMessage("\x01\x02");
    EXPECT_TRUE(mover.Await([](const QJsonObject& m) { return m.value("code") == "binary"; }));
    EXPECT_TRUE(t.Match() == before);
    // After all that the seat still plays.
    mover.client.Send(layDown);
    EXPECT_TRUE(RunUntil([&] { return t.Match().MovesMade == before.MovesMade + 1; }));
}

TEST(NetRefusal, ChatReachesEverySeatVerbatimWithTheSendersNameAndChangesNothing)
{
    TSeatedTable t;
    ASSERT_TRUE(t.Set());
    const TMatchState before = t.Match();
    const QString line = QStringLiteral(R"({"type":"start"} <b>Dobar</b> potez, 10H!)");
    t.guest.client.Send(ChatRequest(line));
    for (TRecorder* r : { &t.host, &t.guest })
        EXPECT_TRUE(r->Await([&](const QJsonObject& m) {
            return m.value("type") == "chat" && m.value("text") == line
                && m.value("name") == "Guest" && m.value("seat") == SeatW;
        }));
    EXPECT_TRUE(t.Match() == before);
}

} // namespace
