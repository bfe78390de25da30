#include "net/protocol/wire_card.h"

#include "game/rules/match_rules.h"

#include <QHash>

namespace zaviko::net {

QString CardText(int id)
{
    return IsSuitCardId(id) ? QString::fromStdString(CardName(id)) : QString();
}

int CardOfText(const QString& text)
{
    static const QHash<QString, int> ids = [] {
        QHash<QString, int> map;
        for (int id = 2; id <= 53; ++id)
            map.insert(CardText(id), id);
        return map;
    }();
    return ids.value(text, 0);
}

QJsonValue SlotValue(int id)
{
    return id == kNoCard ? QJsonValue(QJsonValue::Null) : QJsonValue(CardText(id));
}

} // namespace zaviko::net
