#include "zucards/faces.h"

#include "zucards/canvas.h"

#include <QPainterPathStroker>

#include <cmath>

namespace zucards {

namespace {

constexpr qreal PipHeight = 13.5;
constexpr qreal ColumnLeft = 22.5;
constexpr qreal ColumnCentre = 35.5;
constexpr qreal ColumnRight = 48.5;
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
    drawFittedText(painter, rank, indexFont(12.5), suitColor(suit), QPointF(7.5, 9), 11);
    drawSuit(painter, suit, QPointF(7.5, 20.5), 9);
}

// Two laurel branches round the big spade, tied with a red bow: the printer's mark.
void drawLaurelBranch(QPainter& painter, QPointF centre, int side)
{
    const qreal radius = 25;
    painter.setPen(QPen(ink::Black, 0.7, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.drawArc(circle, 270 * 16, side * 130 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::Black);
    for (int i = 0; i < 9; ++i) {
        const qreal degrees = 168 - i * 15; // from the bow upwards, measured from the top
        const qreal a = qDegreesToRadians(side * degrees);
        const QPointF at = centre + QPointF(std::sin(a), -std::cos(a)) * radius;
        for (const int out : { -1, 1 }) {
            painter.save();
            painter.translate(at);
            painter.rotate(side * (degrees - 90) + out * 38);
            painter.drawEllipse(QPointF(0, -2.3), 1.0, 2.3);
            painter.restore();
        }
    }
}

void drawSpadeOrnament(QPainter& painter)
{
    const QPointF centre(35.5, 47);
    drawLaurelBranch(painter, centre, -1);
    drawLaurelBranch(painter, centre, 1);
    painter.setPen(QPen(ink::Black, 0.5));
    painter.setBrush(ink::Red);
    const QPointF knot = centre + QPointF(0, 25);
    for (const int side : { -1, 1 })
        painter.drawPolygon(
            QPolygonF { knot, knot + QPointF(side * 5, -2.5), knot + QPointF(side * 5, 2.5) });
    painter.drawEllipse(knot, 1.4, 1.4);
}

// A paper-coloured line inside the big spade, as engraved aces of spades show.
void drawSpadeInlay(QPainter& painter)
{
    painter.save();
    painter.translate(35.5, 45);
    painter.scale(0.27, 0.27);
    // The blade alone: a stem traced in white would read as a crack.
    QPainterPath blade;
    blade.addRect(-60, -60, 120, 68);
    blade.addRect(-60, 8, 52, 32);
    blade.addRect(8, 8, 52, 32);
    painter.setClipPath(blade, Qt::IntersectClip);
    painter.setPen(QPen(ink::Paper, 3.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(suitShape(Suit::Spades));
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
    drawBothEnds(painter, [&] { drawIndexAt(painter, rank, suit); });
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
