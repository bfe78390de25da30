// The protocol on values: strict decoding of every client message, the cards'
// names, the invitation link, and a state message read back as the seat's view.
#include "game/computer/hidden_sampler.h"
#include "net/protocol/client_message.h"
#include "net/protocol/client_request.h"
#include "net/protocol/invitation.h"
#include "net/protocol/server_message.h"
#include "net/protocol/wire_card.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace zaviko::net;

namespace {

struct TFrameCase {
    const char* frame;
    std::optional<ErrorCode> refusal; // none: decodes
};

TEST(NetProtocol, DecoderAcceptsEachMessageAndRefusesEveryMalformedOne)
{
    const TFrameCase cases[] = {
        { R"({"type":"open","protocol":1,"name":"Ana","mode":1,"decks":1})", std::nullopt },
        { R"({"type":"join","protocol":1,"name":"Bo","table":"ab","code":"cd","key":"ef"})",
            std::nullopt },
        { R"({"type":"start"})", std::nullopt },
        { R"({"type":"seat","seat":2,"use":"free"})", std::nullopt },
        { R"({"type":"move","card":5,"take":[[0,1],[1,0]]})", std::nullopt },
        { R"({"type":"chat","text":"dobar potez"})", std::nullopt },
        { "not json", ErrorCode::BadJson },
        { "[1,2]", ErrorCode::BadJson },
        { R"({"type":"move","card":1,"take":[])", ErrorCode::BadJson },
        { R"({"kind":"move"})", ErrorCode::UnknownType },
        { R"({"type":"shuffle"})", ErrorCode::UnknownType },
        { R"({"type":7})", ErrorCode::UnknownType },
        { R"({"type":"move","card":"1","take":[]})", ErrorCode::BadField },
        { R"({"type":"move","card":1.5,"take":[]})", ErrorCode::BadField },
        { R"({"type":"move","card":6,"take":[]})", ErrorCode::BadField },
        { R"({"type":"move","card":1})", ErrorCode::BadField },
        { R"({"type":"move","card":1,"take":[[0]]})", ErrorCode::BadField },
        { R"({"type":"move","card":1,"take":[[0,-1]]})", ErrorCode::BadField },
        { R"({"type":"move","card":1,"take":[],"seat":0})", ErrorCode::BadField },
        { R"({"type":"start","extra":true})", ErrorCode::BadField },
        { R"({"type":"seat","seat":4,"use":"free"})", ErrorCode::BadField },
        { R"({"type":"seat","seat":1,"use":"robot"})", ErrorCode::BadField },
        { R"({"type":"open","protocol":1,"name":"A","mode":3,"decks":0})", ErrorCode::BadField },
        { R"({"type":"open","protocol":2,"name":"A","mode":0,"decks":0})", ErrorCode::Version },
        { R"({"type":"open","protocol":1,"name":"AAAAAAAAAAAAAAAAAAAAAAAAA","mode":0,"decks":0})",
            ErrorCode::NameTooLong },
        { R"({"type":"open","protocol":1,"name":"  ","mode":0,"decks":0})",
            ErrorCode::NameTooLong },
        { R"({"type":"join","protocol":1,"name":"A\u001b[2J","table":"a","code":"b"})",
            ErrorCode::ControlChars },
        { R"({"type":"chat","text":"red\nnovi red"})", ErrorCode::ControlChars },
        { R"({"type":"chat","text":"skriveno\u200b"})", ErrorCode::ControlChars },
    };
    for (const TFrameCase& c : cases) {
        const TDecoded decoded = DecodeClientMessage(QByteArray(c.frame));
        EXPECT_EQ(decoded.message.has_value(), !c.refusal) << c.frame;
        if (c.refusal) {
            EXPECT_EQ(ErrorName(decoded.error), ErrorName(*c.refusal)) << c.frame;
        }
    }
    const QByteArray huge = "{\"type\":\"chat\",\"text\":\"" + QByteArray(5000, 'a') + "\"}";
    EXPECT_EQ(DecodeClientMessage(huge).error, ErrorCode::TooBig);
    const QString longChat(201, QLatin1Char('x'));
    EXPECT_EQ(DecodeClientMessage(ChatRequest(longChat)).error, ErrorCode::NameTooLong);
}

TEST(NetProtocol, RequestsTheClientBuildsDecodeToWhatWasMeant)
{
    const TMove move { SeatW, 3, { { 0, 2 }, { 1, 5 } } };
    const auto decoded = DecodeClientMessage(MoveRequest(move)).message;
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->card, 3);
    EXPECT_EQ(decoded->take, move.take);
    const TTableOptions options { kPairs, 1, false, 1, 30 };
    const auto open = DecodeClientMessage(OpenRequest("Ana", options)).message;
    ASSERT_TRUE(open);
    EXPECT_EQ(open->options.mode, kPairs);
    EXPECT_FALSE(open->options.clockwise);
    EXPECT_EQ(open->options.turnSeconds, 30);
    const auto join = DecodeClientMessage(JoinRequest("Bo", "t1", "c1", "k1")).message;
    ASSERT_TRUE(join);
    EXPECT_EQ(join->key, "k1");
}

TEST(NetProtocol, CardNamesAndInvitationsReadBackExactly)
{
    for (int id = 2; id <= 53; ++id)
        EXPECT_EQ(CardOfText(CardText(id)), id);
    for (const char* noCard : { "", "?", "1T", "11H", "10X", "QHH" })
        EXPECT_EQ(CardOfText(noCard), 0) << noCard;

    const auto link = ParseInvitation("zaviko://igra.example.org:7461/ab12/cd34");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->host, "igra.example.org");
    EXPECT_EQ(link->port, 7461);
    EXPECT_EQ(link->table, "ab12");
    EXPECT_EQ(link->code, "cd34");
    EXPECT_EQ(ServerUrl(*link, true).toString(), "wss://igra.example.org:7461/");
    for (const char* bad :
        { "http://h:1/a/b", "zaviko://h/a/b", "zaviko://h:1/a", "zaviko://h:1/a/b/c" })
        EXPECT_FALSE(ParseInvitation(bad)) << bad;
}

// The view a seat reads back is the state with only what the seat may not
// know hidden: what the computer's search on that seat would see.
TEST(NetProtocol, StateMessageReadsBackAsTheSeatsPublicState)
{
    TMatchState state;
    StartMatch(state, kEachForHimself, 1, false);
    std::vector<int> deck = FreshDeck(1);
    DealNewDeck(state, deck);
    state.CurrentPlayer = SeatN;
    ApplyMove(state, { SeatN, 2, {} });
    state.Score = { 3, 0, 7, 1 };
    state.LastTaker = SeatE;
    for (int viewer : { SeatS, SeatE }) {
        const QByteArray bytes = StateMessage(state, viewer, { EventKind::Resume });
        const auto view = DecodeStateMessage(QJsonDocument::fromJson(bytes).object());
        ASSERT_TRUE(view);
        EXPECT_EQ(view->viewer, viewer);
        EXPECT_TRUE(view->state == PublicState(state, viewer));
    }
}

} // namespace
