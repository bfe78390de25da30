#include "zucards/faces.h"

#include "zucards/canvas.h"

#include <QPainterPathStroker>

#include <cmath>

namespace zucards {

namespace {

constexpr qreal PipHeight = 13.5;
constexpr qreal ColumnLeft = 21.5;
constexpr qreal ColumnCentre = 35.5;
constexpr qreal ColumnRight = 49.5;
constexpr qreal RowTop = 16.0;
constexpr qreal RowBottom = 80.0;

enum Column { L, C, R };

// One pip: its column and its height between the top row (0) and the bottom row (6).
struct Pip {
    Column column;
    int row;
};

// Rows in sixths of the pip area, which fits every traditional layout.
const std::vector<Pip>& layout(int rank)
{
    static const std::vector<Pip> layouts[11] = {
        {},
        {},
        { { C, 0 }, { C, 6 } },
        { { C, 0 }, { C, 3 }, { C, 6 } },
        { { L, 0 }, { R, 0 }, { L, 6 }, { R, 6 } },
        { { L, 0 }, { R, 0 }, { C, 3 }, { L, 6 }, { R, 6 } },
        { { L, 0 }, { R, 0 }, { L, 3 }, { R, 3 }, { L, 6 }, { R, 6 } },
        { { L, 0 }, { R, 0 }, { C, 1 }, { L, 3 }, { R, 3 }, { L, 6 }, { R, 6 } },
        { { L, 0 }, { R, 0 }, { C, 1 }, { L, 3 }, { R, 3 }, { C, 5 }, { L, 6 }, { R, 6 } },
        { { L, 0 }, { R, 0 }, { L, 2 }, { R, 2 }, { C, 3 }, { L, 4 }, { R, 4 }, { L, 6 },
            { R, 6 } },
        { { L, 0 }, { R, 0 }, { C, 1 }, { L, 2 }, { R, 2 }, { L, 4 }, { R, 4 }, { C, 5 }, { L, 6 },
            { R, 6 } },
    };
    return layouts[rank];
}

qreal columnX(Column c)
{
    return c == L ? ColumnLeft : c == C ? ColumnCentre : ColumnRight;
}

// Pips of the 7 and 8 sit a little nearer the middle than the exact sixths, as printed.
qreal rowY(int rank, int row)
{
    qreal sixth = row;
    if ((rank == 7 || rank == 8) && (row == 1 || row == 5)) sixth = row == 1 ? 1.5 : 4.5;
    if (rank == 10 && (row == 1 || row == 5)) sixth = row == 1 ? 1.0 : 5.0;
    return RowTop + (RowBottom - RowTop) * sixth / 6.0;
}

void drawIndexAt(QPainter& painter, const QString& rank, Suit suit)
{
    drawFittedText(painter, rank, indexFont(11), suitColor(suit), QPointF(7.5, 8.5), 10.5);
    drawSuit(painter, suit, QPointF(7.5, 19.5), 8.5);
}

// A fine ring of leaves around the big spade: the printer's mark of the deck.
void drawSpadeOrnament(QPainter& painter)
{
    const QPointF centre(35.5, 48);
    painter.setPen(QPen(ink::Black, 0.7));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 24, 24);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::Black);
    for (int i = 0; i < 24; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(i * 15);
        painter.translate(0, -24);
        painter.rotate(35);
        painter.drawEllipse(QPointF(0, 0), 1.2, 3.0);
        painter.restore();
    }
    painter.setBrush(ink::Red);
    for (int i = 0; i < 4; ++i) {
        const qreal a = M_PI / 4 + i * M_PI / 2;
        painter.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * 24, 1.8, 1.8);
    }
}

// A paper-coloured line inside the big spade, as engraved aces of spades show.
void drawSpadeInlay(QPainter& painter)
{
    painter.save();
    painter.translate(35.5, 46.5);
    painter.scale(0.26, 0.26);
    painter.setPen(QPen(ink::Paper, 3.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(suitShape(Suit::Spades));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::Paper);
    painter.drawEllipse(QPointF(0, -2), 9, 9);
    painter.setBrush(ink::Red);
    painter.drawEllipse(QPointF(0, -2), 5, 5);
    painter.restore();
}

} // namespace

QString rankLabel(int rank)
{
    switch (rank) {
    case 1:
        return QStringLiteral("A");
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

void drawIndices(QPainter& painter, const QString& rank, Suit suit)
{
    drawIndexAt(painter, rank, suit);
    painter.save();
    painter.translate(CardWidth, CardHeight);
    painter.rotate(180);
    drawIndexAt(painter, rank, suit);
    painter.restore();
}

void drawNumberFace(QPainter& painter, Suit suit, int rank)
{
    drawIndices(painter, rankLabel(rank), suit);
    for (const Pip& pip : layout(rank))
        drawSuit(painter, suit, QPointF(columnX(pip.column), rowY(rank, pip.row)), PipHeight,
            pip.row > 3);
}

void drawAce(QPainter& painter, Suit suit)
{
    drawIndices(painter, rankLabel(1), suit);
    if (suit != Suit::Spades) {
        drawSuit(painter, suit, QPointF(35.5, 48), 30);
        return;
    }
    drawSpadeOrnament(painter);
    drawSuit(painter, suit, QPointF(35.5, 47), 38);
    drawSpadeInlay(painter);
}

} // namespace zucards
