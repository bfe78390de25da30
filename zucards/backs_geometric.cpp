#include "zucards/backs.h"

#include "zucards/canvas.h"
#include "zucards/suits.h"

#include <QPainterPath>

#include <cmath>
#include <cstdint>
#include <vector>

namespace zucards {

namespace {

// A fixed generator, so every run and every scale draws the same labyrinth and dots.
class Sequence {
public:
    explicit Sequence(std::uint32_t seed)
        : state(seed)
    {
    }
    int below(int n)
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(n));
    }

private:
    std::uint32_t state;
};

void drawMedallion(QPainter& painter, QPointF centre)
{
    painter.setPen(QPen(ink::Yellow, 1.2));
    painter.setBrush(QColor(0x0c, 0x2a, 0x6e));
    painter.drawEllipse(centre, 15, 20);
    painter.setPen(QPen(QColor(0xf6, 0xf1, 0xe2), 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 12.5, 17.5);
    const QColor cream(0xf6, 0xf1, 0xe2);
    drawSuit(painter, Suit::Spades, centre + QPointF(0, -9), 7.5, false, cream);
    drawSuit(painter, Suit::Hearts, centre + QPointF(-6.5, 0), 7.5, false, ink::Red);
    drawSuit(painter, Suit::Diamonds, centre + QPointF(6.5, 0), 7.5, false, ink::Red);
    drawSuit(painter, Suit::Clubs, centre + QPointF(0, 9), 7.5, false, cream);
}

// Walls of a labyrinth carved by a depth-first walk over a grid of cells.
std::vector<QLineF> labyrinthWalls(int cols, int rows, qreal cell, QPointF origin)
{
    std::vector<char> open(cols * rows * 4, 0); // per cell: east, south, west, north
    std::vector<char> seen(cols * rows, 0);
    std::vector<int> stack { (rows / 2) * cols + cols / 2 };
    seen[stack.back()] = 1;
    Sequence random(7);
    const int dx[] = { 1, 0, -1, 0 }, dy[] = { 0, 1, 0, -1 };
    while (!stack.empty()) {
        const int c = stack.back(), x = c % cols, y = c / cols;
        int choices[4], count = 0;
        for (int d = 0; d < 4; ++d) {
            const int nx = x + dx[d], ny = y + dy[d];
            if (nx >= 0 && ny >= 0 && nx < cols && ny < rows && !seen[ny * cols + nx])
                choices[count++] = d;
        }
        if (count == 0) {
            stack.pop_back();
            continue;
        }
        const int d = choices[random.below(count)], n = (y + dy[d]) * cols + x + dx[d];
        open[c * 4 + d] = open[n * 4 + (d + 2) % 4] = 1;
        seen[n] = 1;
        stack.push_back(n);
    }
    std::vector<QLineF> walls;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < cols; ++x) {
            const QPointF a = origin + QPointF(x * cell, y * cell);
            if (!open[(y * cols + x) * 4])
                walls.emplace_back(a + QPointF(cell, 0), a + QPointF(cell, cell));
            if (!open[(y * cols + x) * 4 + 1])
                walls.emplace_back(a + QPointF(0, cell), a + QPointF(cell, cell));
        }
    return walls;
}

QPolygonF rhombus(QPointF a, QPointF b, QPointF c, QPointF d)
{
    return QPolygonF { a, b, c, d };
}

} // namespace

void drawDefaultBack(QPainter& painter, const QRectF& panel)
{
    painter.fillRect(panel, QColor(0x1b, 0x4a, 0xb0));
    painter.setPen(QPen(QColor(0x7f, 0xa8, 0xf0), 0.55));
    for (qreal d = -100; d < 100; d += 4) {
        painter.drawLine(QPointF(panel.left() + d, panel.top()),
            QPointF(panel.left() + d + 90, panel.top() + 90));
        painter.drawLine(QPointF(panel.right() - d, panel.top()),
            QPointF(panel.right() - d - 90, panel.top() + 90));
    }
    painter.setPen(QPen(QColor(0xf6, 0xf1, 0xe2), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(panel.adjusted(3, 3, -3, -3), 2, 2);
    drawMedallion(painter, panel.center());
}

void drawLabyrinthBack(QPainter& painter, const QRectF& panel)
{
    painter.fillRect(panel, QColor(0xee, 0xc8, 0x6a));
    const int cols = 13, rows = 18;
    const qreal cell = 4.5;
    const QPointF origin(
        panel.center().x() - cols * cell / 2, panel.center().y() - rows * cell / 2);
    painter.fillRect(QRectF(origin + QPointF(cols / 2 * cell, rows / 2 * cell), QSizeF(cell, cell)),
        QColor(0xc0, 0x20, 0x20));
    painter.setPen(QPen(QColor(0x5a, 0x33, 0x10), 1.1, Qt::SolidLine, Qt::SquareCap));
    for (const QLineF& wall : labyrinthWalls(cols, rows, cell, origin))
        painter.drawLine(wall);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(origin, QSizeF(cols * cell, rows * cell)));
}

void drawTrickyBack(QPainter& painter, const QRectF& panel)
{
    // Tumbling blocks: the cubes flip between standing up and hanging down as one looks.
    const QColor top(0xf2, 0xd0, 0x5a), left(0x7a, 0x3f, 0xb0), right(0x2c, 0x17, 0x4e);
    const qreal s = 6.0, h = s * std::sqrt(3.0) / 2;
    painter.setPen(Qt::NoPen);
    for (int row = -1; row < 13; ++row)
        for (int col = -1; col < 7; ++col) {
            const QPointF c(
                panel.left() + col * 2 * h + (row % 2) * h, panel.top() + row * 1.5 * s);
            const QPointF up = c + QPointF(0, -s), ul = c + QPointF(-h, -s / 2),
                          ur = c + QPointF(h, -s / 2), dl = c + QPointF(-h, s / 2),
                          dr = c + QPointF(h, s / 2), dn = c + QPointF(0, s);
            painter.setBrush(top);
            painter.drawPolygon(rhombus(up, ur, c, ul));
            painter.setBrush(left);
            painter.drawPolygon(rhombus(ul, c, dn, dl));
            painter.setBrush(right);
            painter.drawPolygon(rhombus(c, ur, dr, dn));
        }
}

void drawXBack(QPainter& painter, const QRectF& panel)
{
    painter.fillRect(panel, QColor(0xb8, 0x16, 0x20));
    const QColor colours[] = { QColor(0xfa, 0xe6, 0xb0), QColor(0x1a, 0x1a, 0x1a) };
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 7; ++col) {
            const QPointF c(panel.left() + 4.5 + col * 8.8, panel.top() + 4.5 + row * 8.8);
            painter.setPen(QPen(colours[(row + col) % 2], 1.7, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(c + QPointF(-2.7, -2.7), c + QPointF(2.7, 2.7));
            painter.drawLine(c + QPointF(-2.7, 2.7), c + QPointF(2.7, -2.7));
        }
}

void drawOBack(QPainter& painter, const QRectF& panel)
{
    painter.fillRect(panel, QColor(0xf5, 0x9a, 0x1e));
    painter.setBrush(Qt::NoBrush);
    const QColor ring(0x8a, 0x2c, 0x00), light(0xff, 0xe4, 0x9a);
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 6; ++col) {
            const QPointF c(
                panel.left() + 4 + col * 11 + (row % 2) * 5.5, panel.top() + 4 + row * 11.5);
            painter.setPen(QPen(ring, 2.0));
            painter.drawEllipse(c, 4.2, 4.2);
            painter.setPen(QPen(light, 0.8));
            painter.drawEllipse(c, 6.4, 6.4);
        }
}

void drawDotsBack(QPainter& painter, const QRectF& panel)
{
    painter.fillRect(panel, QColor(0x1f, 0x3a, 0x8a));
    const QColor colours[] = { QColor(0xf5, 0x4b, 0x4b), QColor(0xfc, 0xd3, 0x3c),
        QColor(0xfa, 0xf6, 0xea), QColor(0x4c, 0xc2, 0x7a) };
    painter.setPen(Qt::NoPen);
    Sequence random(3);
    for (int row = 0; row < 14; ++row)
        for (int col = 0; col < 10; ++col) {
            const QPointF c(
                panel.left() + 2 + col * 6.6 + (row % 2) * 3.3, panel.top() + 2 + row * 6.4);
            painter.setBrush(colours[random.below(4)]);
            painter.drawEllipse(c, 2.1, 2.1);
        }
}

} // namespace zucards
