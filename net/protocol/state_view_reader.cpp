// A state message read back into a match state on the client's side.
#include "net/protocol/server_message.h"

#include "net/protocol/wire_card.h"

#include <QJsonArray>

namespace zaviko::net {

namespace {

struct TBadView { };

int CardOf(const QJsonValue& v)
{
    if (v.isNull()) return kNoCard;
    if (v.toString() == kHiddenCardText) return kViewHiddenCard;
    const int id = CardOfText(v.toString());
    if (id == kNoCard) throw TBadView {};
    return id;
}

std::vector<int> CardList(const QJsonValue& v)
{
    std::vector<int> ids;
    for (const QJsonValue& item : v.toArray())
        ids.push_back(CardOf(item));
    return ids;
}

QJsonArray Exactly(const QJsonValue& v, int n)
{
    const QJsonArray a = v.toArray();
    if (a.size() != n) throw TBadView {};
    return a;
}

std::array<TScoreCells, kSeatCount> CellsOf(const QJsonValue& v)
{
    std::array<TScoreCells, kSeatCount> cells;
    const QJsonArray rows = Exactly(v, kSeatCount);
    for (int i = 0; i < kSeatCount; ++i) {
        const QJsonArray c = Exactly(rows[i], 3);
        cells[i] = { c[0].toInt(), c[1].toInt(), c[2].toInt() };
    }
    return cells;
}

TMatchEvent EventOf(const QJsonObject& o)
{
    static const QStringList kinds { "start", "resume", "move", "deal", "handEnd", "gameOver" };
    TMatchEvent e;
    const int kind = kinds.indexOf(o.value("kind").toString());
    if (kind < 0) throw TBadView {};
    e.kind = EventKind(kind);
    e.seat = o.value(e.kind == EventKind::HandEnd ? "restTaker" : "seat").toInt(kNoSeat);
    e.played = e.kind == EventKind::Move ? CardOf(o.value("card")) : kNoCard;
    e.ids = CardList(o.value(e.kind == EventKind::HandEnd ? "rest" : "took"));
    const QJsonArray placed = o.value("placed").toArray();
    if (placed.size() == 2) e.placed = { placed[0].toInt(), placed[1].toInt() };
    e.cleared = o.value("cleared").toBool();
    e.newDeck = o.value("newDeck").toBool();
    for (const QJsonValue& seat : o.value("bonus").toArray())
        e.bonus.push_back(seat.toInt());
    e.winner = o.value("winner").toInt(kNoSeat);
    return e;
}

TMatchState StateOf(const QJsonObject& m)
{
    TMatchState s;
    s.GameMode = m.value("mode").toInt();
    s.DeckCount = m.value("decks").toInt();
    s.Clockwise = m.value("clockwise").toBool(true);
    s.CurrentPlayer = m.value("turn").toInt();
    const QJsonArray hands = Exactly(m.value("hands"), kSeatCount);
    const QJsonArray taken = Exactly(m.value("taken"), kSeatCount);
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        const QJsonArray hand = Exactly(hands[seat], kHandSlots);
        for (int slot = 0; slot < kHandSlots; ++slot)
            s.hands[seat][slot] = CardOf(hand[slot]);
        s.taken[seat] = CardList(taken[seat]);
    }
    const QJsonArray table = Exactly(m.value("table"), kTableRows);
    for (int row = 0; row < kTableRows; ++row)
        s.table[row] = CardList(table[row]);
    s.deck.assign(std::size_t(std::max(0, m.value("deck").toInt())), kViewHiddenCard);
    const QJsonArray score = Exactly(m.value("score"), kSeatCount);
    for (int seat = SeatS; seat <= SeatE; ++seat)
        s.Score[seat] = score[seat].toInt();
    s.cells = CellsOf(m.value("cells"));
    s.handCells = CellsOf(m.value("handCells"));
    s.LastTaker = m.value("lastTaker").toInt(kNoSeat);
    s.LastPlayer = m.value("lastPlayer").toInt(kNoSeat);
    s.MovesMade = m.value("moves").toInt();
    s.HandsPlayed = m.value("handsPlayed").toInt();
    s.GameOver = m.value("over").toBool();
    return s;
}

} // namespace

std::optional<TSeatView> DecodeStateMessage(const QJsonObject& message)
{
    if (message.value("type").toString() != QLatin1String("state")) return std::nullopt;
    try {
        TSeatView view;
        view.viewer = message.value("you").toInt(kNoSeat);
        view.state = StateOf(message);
        view.event = EventOf(message.value("event").toObject());
        return view;
    } catch (const TBadView&) {
        return std::nullopt;
    }
}

} // namespace zaviko::net
