#include "net/protocol/client_message.h"

#include "game/rules/capture_search.h"
#include "net/protocol/protocol_limits.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

namespace zaviko::net {

namespace {

// A refusal thrown inside the decoder and turned into TDecoded at its top.
struct TRefusal {
    ErrorCode code;
};

[[noreturn]] void Refuse(ErrorCode code)
{
    throw TRefusal { code };
}

class TFields {
public:
    explicit TFields(const QJsonObject& object)
        : FObject(object)
    {
    }

    int Int(const char* key, int low, int high, std::optional<int> fallback = {})
    {
        const QJsonValue v = Take(key, fallback.has_value());
        if (v.isUndefined()) return *fallback;
        const double d = v.toDouble(-1e300);
        if (!v.isDouble() || d != std::floor(d) || d < low || d > high) Refuse(ErrorCode::BadField);
        return int(d);
    }

    bool Bool(const char* key, bool fallback)
    {
        const QJsonValue v = Take(key, true);
        if (v.isUndefined()) return fallback;
        if (!v.isBool()) Refuse(ErrorCode::BadField);
        return v.toBool();
    }

    QString String(const char* key, bool optional = false)
    {
        const QJsonValue v = Take(key, optional);
        if (v.isUndefined()) return {};
        if (!v.isString()) Refuse(ErrorCode::BadField);
        return v.toString();
    }

    QJsonArray Array(const char* key)
    {
        const QJsonValue v = Take(key, false);
        if (!v.isArray()) Refuse(ErrorCode::BadField);
        return v.toArray();
    }

    // Every field was asked for: an unknown one is refused, not ignored.
    void End() const
    {
        for (const QString& key : FObject.keys())
            if (!FUsed.contains(key)) Refuse(ErrorCode::BadField);
    }

private:
    QJsonValue Take(const char* key, bool optional)
    {
        const QString k = QString::fromLatin1(key);
        FUsed.insert(k);
        const QJsonValue v = FObject.value(k);
        if (v.isUndefined() && !optional) Refuse(ErrorCode::BadField);
        return v;
    }

    QJsonObject FObject;
    QSet<QString> FUsed { QStringLiteral("type") };
};

QString CheckedText(TFields& fields, const char* key, int maxChars)
{
    const QString text = fields.String(key);
    if (const auto refusal = TextRefusal(text, maxChars)) Refuse(*refusal);
    return text;
}

void ReadHello(TFields& f, TClientMessage& m)
{
    m.protocol = f.Int("protocol", 0, 1 << 30);
    if (m.protocol != kProtocolVersion) Refuse(ErrorCode::Version);
    m.name = CheckedText(f, "name", kMaxNameChars);
}

// A secret is plain hex of a fixed length; anything else cannot match one.
QString Secret(TFields& f, const char* key, bool optional)
{
    const QString s = f.String(key, optional);
    if (s.size() > kSecretBits) Refuse(ErrorCode::BadField);
    return s;
}

std::vector<TTableSlot> ReadTake(const QJsonArray& array)
{
    if (array.size() > kMaxCaptureCards) Refuse(ErrorCode::IllegalCapture);
    std::vector<TTableSlot> take;
    for (const QJsonValue& item : array) {
        const QJsonArray pair = item.toArray();
        if (!item.isArray() || pair.size() != 2) Refuse(ErrorCode::BadField);
        int place[2];
        for (int i = 0; i < 2; ++i) {
            const double d = pair[i].toDouble(-1);
            if (!pair[i].isDouble() || d != std::floor(d) || d < 0 || d > 64)
                Refuse(ErrorCode::BadField);
            place[i] = int(d);
        }
        take.push_back({ place[0], place[1] });
    }
    return take;
}

TClientMessage Read(const QJsonObject& object)
{
    static const QHash<QString, ClientType> types { { "open", ClientType::Open },
        { "join", ClientType::Join }, { "start", ClientType::Start }, { "seat", ClientType::Seat },
        { "move", ClientType::Move }, { "chat", ClientType::Chat } };
    const QJsonValue type = object.value(QStringLiteral("type"));
    if (!type.isString() || !types.contains(type.toString())) Refuse(ErrorCode::UnknownType);
    TClientMessage m;
    m.type = types.value(type.toString());
    TFields f(object);
    switch (m.type) {
    case ClientType::Open:
        ReadHello(f, m);
        m.options.mode = f.Int("mode", kEachForHimself, kTwoPlayers);
        m.options.decks = f.Int("decks", 0, 1);
        m.options.clockwise = f.Bool("clockwise", true);
        m.options.strength = f.Int("strength", 0, 3, 3);
        m.options.turnSeconds = f.Int("turnSeconds", 0, 600, 0);
        m.options.hints = f.Bool("hints", true);
        break;
    case ClientType::Join:
        ReadHello(f, m);
        m.table = Secret(f, "table", false);
        m.code = Secret(f, "code", false);
        m.key = Secret(f, "key", true);
        break;
    case ClientType::Start:
        break;
    case ClientType::Seat: {
        m.seat = f.Int("seat", SeatS, SeatE);
        const QString use = f.String("use");
        if (use != QLatin1String("computer") && use != QLatin1String("free"))
            Refuse(ErrorCode::BadField);
        m.use = use == QLatin1String("free") ? SeatUse::Free : SeatUse::Computer;
        m.strength = f.Int("strength", 0, 3, 3);
        break;
    }
    case ClientType::Move:
        m.card = f.Int("card", 0, kHandSlots - 1);
        m.take = ReadTake(f.Array("take"));
        break;
    case ClientType::Chat:
        m.text = CheckedText(f, "text", kMaxChatChars);
        break;
    }
    f.End();
    return m;
}

} // namespace

std::optional<ErrorCode> TextRefusal(const QString& text, int maxChars)
{
    if (text.trimmed().isEmpty() || text.size() > maxChars) return ErrorCode::NameTooLong;
    for (const QChar c : text) {
        const auto category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format
            || category == QChar::Separator_Line || category == QChar::Separator_Paragraph)
            return ErrorCode::ControlChars;
    }
    return std::nullopt;
}

TDecoded DecodeClientMessage(const QByteArray& frame)
{
    if (frame.size() > kMaxMessageBytes) return { std::nullopt, ErrorCode::TooBig };
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(frame, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject())
        return { std::nullopt, ErrorCode::BadJson };
    try {
        return { Read(doc.object()), ErrorCode::BadJson };
    } catch (const TRefusal& refusal) {
        return { std::nullopt, refusal.code };
    }
}

} // namespace zaviko::net
