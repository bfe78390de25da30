#pragma once

#include "ui/score_grid/score_grid.h"

#include <QString>
#include <QStringList>

#include <string>

// Everything a table holds, as one text, so a test sees any change at all.
inline std::string Describe(const TPubStrGrid& grid)
{
    QStringList parts;
    parts << QStringLiteral("%1x%2 h%3 w%4 d%5 [%6][%7] %8")
                 .arg(grid.RowCount())
                 .arg(grid.ColCount())
                 .arg(grid.DefaultRowHeight())
                 .arg(grid.DefaultColWidth())
                 .arg(grid.CellDelimiter())
                 .arg(grid.Caption1(), grid.Caption2())
                 .arg(grid.Caption2Placement() == cpTop ? "top" : "bottom");
    for (int r = 0; r < grid.RowCount(); ++r)
        parts << QStringLiteral("row%1=%2").arg(r).arg(grid.RowHeights(r));
    for (int c = 0; c < grid.ColCount(); ++c)
        parts << QStringLiteral("col%1=%2").arg(c).arg(grid.ColWidths(c));
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            if (!grid.Cells(c, r).isEmpty())
                parts << QStringLiteral("(%1,%2)=%3").arg(c).arg(r).arg(grid.Cells(c, r));
    return parts.join(QLatin1Char(' ')).toStdString();
}

// A small table with a little of everything a file keeps.
inline void FillSample(TPubStrGrid& grid)
{
    grid.SetColCount(4);
    grid.SetRowCount(3);
    grid.SetHCol({ "", "Poeni", "Total" });
    grid.SetHRow({ "Pera", "Mika" });
    grid.SetCells(1, 1, "12");
    grid.SetCells(3, 2, "7");
}
