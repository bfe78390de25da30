#include "ui/access/card_words.h"

#include "cards/ids/card_ids.h"
#include "cards/card/zucard_single.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("CardWords", text);
}

} // namespace

QString CardWords::Card(int id)
{
    if (id == kRedJokerId || id == kBlueJokerId)
        return Tr(QT_TRANSLATE_NOOP("CardWords", "dzoker"));
    if (!IsSuitCardId(id)) return {};
    const char* const suits[]
        = { QT_TRANSLATE_NOOP("CardWords", "tref"), QT_TRANSLATE_NOOP("CardWords", "karo"),
              QT_TRANSLATE_NOOP("CardWords", "pik"), QT_TRANSLATE_NOOP("CardWords", "herc") };
    const int value = ValueOfId(id);
    QString rank;
    switch (value) {
    case 11:
        rank = Tr(QT_TRANSLATE_NOOP("CardWords", "zandar"));
        break;
    case 12:
        rank = Tr(QT_TRANSLATE_NOOP("CardWords", "dama"));
        break;
    case 13:
        rank = Tr(QT_TRANSLATE_NOOP("CardWords", "kralj"));
        break;
    case 14:
        rank = Tr(QT_TRANSLATE_NOOP("CardWords", "as"));
        break;
    default:
        rank = QString::number(value);
    }
    //: A card: its rank, then its suit ("kralj pik").
    return Tr(QT_TRANSLATE_NOOP("CardWords", "%1 %2"))
        .arg(rank, Tr(suits[static_cast<int>(SuitOfId(id))]));
}

QString CardWords::CardOnScreen(const TZuSingleCard& card)
{
    if (card.Empty()) return {};
    if (card.ShowBack()) return Tr(QT_TRANSLATE_NOOP("CardWords", "okrenuta karta"));
    const QString name = Card(card.ID());
    return card.Negative() ? Tr(QT_TRANSLATE_NOOP("CardWords", "%1, oznacena")).arg(name) : name;
}

QString CardWords::List(const std::vector<int>& ids)
{
    QString text;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i > 0)
            text += i + 1 == ids.size() ? Tr(QT_TRANSLATE_NOOP("CardWords", " i "))
                                        : QStringLiteral(", ");
        text += Card(ids[i]);
    }
    return text;
}

QString CardWords::Move(const QString& seatName, int playedId, const std::vector<int>& takenIds)
{
    if (takenIds.empty())
        return Tr(QT_TRANSLATE_NOOP("CardWords", "%1 stavlja %2 na talon"))
            .arg(seatName, Card(playedId));
    return Tr(QT_TRANSLATE_NOOP("CardWords", "%1 nosi %2 kartom %3"))
        .arg(seatName, List(takenIds), Card(playedId));
}
