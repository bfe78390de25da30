#include "ui/window/seat_marks.h"

#include "cards/ids/card_ids.h"
#include "ui/window/badge_label.h"
#include "ui/window/raise_over.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

namespace {

const QColor kOnTurn(0xff, 0xe0, 0x4d);
constexpr int kGap = 8;

void Colour(QLabel* label, const QColor& colour)
{
    // Asked for every seat at every turn: a label already in its colour is
    // not repainted.
    if (label->palette().color(QPalette::WindowText) == colour) return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

TSeatMarks::TSeatMarks(QWidget* table, const std::array<QLabel*, 4>& names)
    : QObject(table)
    , FNames(names)
{
    for (QLabel*& mark : FMarks) {
        mark = new TBadgeLabel(table, { QColor(0, 0, 0, 70), Qt::white });
        // Only card signs go in, never a player's name, so rich text is safe.
        mark->setTextFormat(Qt::RichText);
        mark->hide();
    }
}

QString TSeatMarks::CardHtml(int id)
{
    if (!IsSuitCardId(id)) return QStringLiteral("?");
    static const char* const ranks[]
        = { "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A" };
    // Clubs, diamonds, spades, hearts: the order of the ID blocks.
    static const char16_t suits[] = { u'\u2663', u'\u2666', u'\u2660', u'\u2665' };
    const TIdSuit suit = SuitOfId(id);
    const QString text
        = QString::fromLatin1(ranks[ValueOfId(id) - 2]) + QChar(suits[static_cast<int>(suit)]);
    const bool red = suit == TIdSuit::Diamonds || suit == TIdSuit::Hearts;
    return red ? QStringLiteral("<span style=\"color:#ff8080\">%1</span>").arg(text) : text;
}

QString TSeatMarks::MoveHtml(int playedId, const std::vector<int>& takenIds)
{
    QString html = CardHtml(playedId);
    if (takenIds.empty()) return html + QCoreApplication::translate("TSeatMarks", " na talon");
    html += QCoreApplication::translate("TSeatMarks", " nosi");
    for (int id : takenIds)
        html += ' ' + CardHtml(id);
    return html;
}

void TSeatMarks::ShowLastMove(int seat, int playedId, const std::vector<int>& takenIds)
{
    if (seat < 0 || seat > 3) return;
    QLabel* mark = FMarks[seat];
    mark->setText(MoveHtml(playedId, takenIds));
    mark->adjustSize();
    mark->setVisible(FNames[seat]->isVisibleTo(FNames[seat]->parentWidget()));
    Place();
}

void TSeatMarks::Clear()
{
    for (QLabel* mark : FMarks) {
        mark->clear();
        mark->hide();
    }
}

void TSeatMarks::MarkOnTurn(int seat)
{
    FOnTurn = seat;
    for (int s = 0; s < 4; ++s)
        Colour(FNames[s], s == seat ? kOnTurn : FNameColour);
}

void TSeatMarks::SetNameColour(const QColor& colour)
{
    FNameColour = colour;
    MarkOnTurn(FOnTurn);
}

void TSeatMarks::Place()
{
    for (int seat = 0; seat < 4; ++seat) {
        QLabel* name = FNames[seat];
        QLabel* mark = FMarks[seat];
        name->adjustSize();
        if (mark->text().isEmpty() || !name->isVisibleTo(name->parentWidget())) {
            mark->hide();
            continue;
        }
        // The right-hand seat has no room to its right: its mark goes left.
        const int x
            = seat == 3 ? name->x() - kGap - mark->width() : name->x() + name->width() + kGap;
        mark->move(std::max(0, x), name->y() + (name->height() - mark->height()) / 2);
        mark->show();
        RaiseOverSiblings(mark);
    }
}
