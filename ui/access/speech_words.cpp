#include "ui/access/speech_words.h"

#include "ui/access/card_words.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("SpeechWords", text);
}

QString Joined(const QStringList& items)
{
    return items.join(QStringLiteral(", "));
}

QString Row(const QStringList& cards)
{
    return cards.isEmpty() ? Tr(QT_TRANSLATE_NOOP("SpeechWords", "prazan")) : Joined(cards);
}

} // namespace

QString SpeechWords::Turn(const QString& seatName)
{
    return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Na potezu: %1.")).arg(seatName);
}

QString SpeechWords::NobodyOnTurn()
{
    return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Niko nije na potezu."));
}

QString SpeechWords::Mark(int cardId, bool marked, const QString& sumText)
{
    const QString card = CardWords::Card(cardId);
    const QString what = marked
        ? Tr(QT_TRANSLATE_NOOP("SpeechWords", "%1 oznacena.")).arg(card)
        : Tr(QT_TRANSLATE_NOOP("SpeechWords", "%1 nije oznacena.")).arg(card);
    return sumText.isEmpty() ? what + QLatin1Char(' ') + MarksCleared()
                             : what + QLatin1Char(' ') + sumText + QLatin1Char('.');
}

QString SpeechWords::MarksCleared()
{
    return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Nista nije oznaceno."));
}

QString SpeechWords::NoMarks()
{
    return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Nema oznacenih karata."));
}

QString SpeechWords::RowEdge(bool last)
{
    return last ? Tr(QT_TRANSLATE_NOOP("SpeechWords", "Kraj reda."))
                : Tr(QT_TRANSLATE_NOOP("SpeechWords", "Pocetak reda."));
}

QString SpeechWords::NoRow(bool up)
{
    return up ? Tr(QT_TRANSLATE_NOOP("SpeechWords", "Nema reda iznad."))
              : Tr(QT_TRANSLATE_NOOP("SpeechWords", "Nema reda ispod."));
}

QString SpeechWords::Focused(const QString& cardText, int place, int count)
{
    //: A card under the keys' ring and its place in its row: "5 karo, 2 od 6".
    return Tr(QT_TRANSLATE_NOOP("SpeechWords", "%1, %2 od %3")).arg(cardText).arg(place).arg(count);
}

QString SpeechWords::Deal(const QString& cardsLeft)
{
    return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Nove karte podeljene. %1.")).arg(cardsLeft);
}

QString SpeechWords::MatchEnd(const QStringList& totals)
{
    return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Kraj partije. %1.")).arg(Joined(totals));
}

QString SpeechWords::Hint(int playedId, const std::vector<int>& takenIds)
{
    if (takenIds.empty())
        return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Savet: stavi %1 na talon."))
            .arg(CardWords::Card(playedId));
    return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Savet: nosi %1 kartom %2."))
        .arg(CardWords::List(takenIds), CardWords::Card(playedId));
}

QString SpeechWords::Table(const QStringList& upper, const QStringList& lower)
{
    return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Gornji red: %1. Donji red: %2."))
        .arg(Row(upper), Row(lower));
}

QString SpeechWords::Hand(const QStringList& cards)
{
    if (cards.isEmpty()) return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Nemas karata u ruci."));
    QStringList numbered;
    for (int i = 0; i < cards.size(); ++i)
        numbered << QStringLiteral("%1: %2").arg(i + 1).arg(cards[i]);
    return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Tvoje karte: %1.")).arg(Joined(numbered));
}

QString SpeechWords::LastMoves(const QStringList& moves)
{
    if (moves.isEmpty()) return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Jos niko nije igrao."));
    return moves.join(QStringLiteral(". ")) + QLatin1Char('.');
}

QString SpeechWords::Scores(const QStringList& totals)
{
    return Tr(QT_TRANSLATE_NOOP("SpeechWords", "Poeni: %1.")).arg(Joined(totals));
}
