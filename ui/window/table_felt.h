#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>

#include <vector>

class QPainter;

// The modern table's cloth: green felt under a soft light from above the
// middle, its fine grain drawn once, and the soft shadow each card casts.
class TTableFelt {
public:
    void Paint(QPainter& painter, QSize table, const QRect& area);
    static void PaintShadows(QPainter& painter, const std::vector<QRect>& cards);

private:
    QPixmap FGrain;
};
