#pragma once

#include "ui/score_grid/score_grid_limits.h"

#include <QByteArray>
#include <QChar>
#include <QString>

#include <vector>

// Everything a table file holds, in the order the file holds it. Column 0 is
// never stored: its texts are the row headers the program writes itself.
struct TGridFileData {
    struct TSize {
        int index, size;
    };
    struct TCell {
        int col, row;
        QString text;
    };

    QChar delimiter = QLatin1Char('|');
    int rows = 0, cols = 0;
    int defaultRowHeight = 21;
    QString caption1, caption2;
    TCaption2Placement placement = cpTop;
    std::vector<TSize> rowHeights; // only rows that differ from the default
    std::vector<TSize> colWidths; // only columns that differ from the default
    std::vector<TCell> cells; // only non-empty cells of columns 1 on
};

// Limits on what a table file may declare; anything larger is refused
// before any memory is spent on it.
constexpr int GridFileMaxLine = 64 * 1024;
constexpr qint64 GridFileMaxSize = 64 * 1024 * 1024;
constexpr int GridFileMaxSize2D = 4096; // largest row height or column width

// The file's text: one item per line, CR LF line ends, a closing empty line,
// UTF-8. Line breaks, backslashes and the delimiter inside captions and cell
// texts are written as \n, \r, \\ and \d, so every text reads back exactly.
QByteArray FormatGridFile(const TGridFileData& data);

// Reads a whole file's bytes. Returns false and a reason when the bytes are
// not a complete, well-formed table file within the limits; `data` is then
// left as it was.
bool ParseGridFile(const QByteArray& bytes, TGridFileData& data, QString& reason);

QString EscapeGridText(const QString& text, QChar delimiter);
// False when an escape is incomplete or unknown.
bool UnescapeGridText(const QString& text, QChar delimiter, QString& out);
