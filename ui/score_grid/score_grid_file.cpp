#include "ui/score_grid/score_grid_file.h"

#include <QList>
#include <QStringDecoder>

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

void AddLine(QByteArray& out, const QString& line)
{
    out += line.toUtf8();
    out += LineEnd;
}

// Plain decimal, no sign, no padding beyond what fits below `max`.
bool ParseNumber(QStringView s, int max, int& out)
{
    if (s.isEmpty() || s.size() > 9) return false;
    int value = 0;
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value > max) return false;
    out = value;
    return true;
}

// Splits "a D b" at the first delimiter into two numbers.
bool ParsePair(QStringView line, QChar d, int maxA, int maxB, int& a, int& b)
{
    const qsizetype at = line.indexOf(d);
    return at > 0 && ParseNumber(line.left(at), maxA, a) && ParseNumber(line.mid(at + 1), maxB, b);
}

// "Row r Height: h" or "Column c Width: w".
bool ParseSizeLine(
    QStringView line, QStringView head, QStringView tail, int maxIndex, TGridFileData::TSize& size)
{
    if (!line.startsWith(head)) return false;
    const qsizetype at = line.indexOf(tail, head.size());
    return at > 0 && ParseNumber(line.mid(head.size(), at - head.size()), maxIndex, size.index)
        && ParseNumber(line.mid(at + tail.size()), GridFileMaxSize2D, size.size);
}

// "c D r D text", the text escaped.
bool ParseCellLine(QStringView line, const TGridFileData& data, TGridFileData::TCell& cell)
{
    const QChar d = data.delimiter;
    const qsizetype first = line.indexOf(d);
    const qsizetype second = first < 0 ? -1 : line.indexOf(d, first + 1);
    if (second < 0 || data.cols < 2 || data.rows < 1) return false;
    QString text;
    if (!ParseNumber(line.left(first), data.cols - 1, cell.col) || cell.col < 1
        || !ParseNumber(line.mid(first + 1, second - first - 1), data.rows - 1, cell.row)
        || !UnescapeGridText(line.mid(second + 1).toString(), d, text))
        return false;
    cell.text = text;
    return true;
}

// Splits the bytes into decoded lines without their line ends; the file must
// end with a line break, so a file cut short is noticed.
bool SplitLines(const QByteArray& bytes, QStringList& lines, QString& reason)
{
    if (bytes.size() > GridFileMaxSize)
        return reason = QStringLiteral("the file is too large"), false;
    if (bytes.contains('\0')) return reason = QStringLiteral("it is not a text file"), false;
    if (!bytes.endsWith('\n'))
        return reason = QStringLiteral("it ends in the middle of a line (cut short?)"), false;
    QList<QByteArray> raw = bytes.split('\n');
    raw.removeLast(); // what follows the final line break
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QByteArray& line = raw[i];
        if (line.size() > GridFileMaxLine)
            return reason = QStringLiteral("line %1 is longer than %2 bytes")
                                .arg(i + 1)
                                .arg(GridFileMaxLine),
                   false;
        if (line.endsWith('\r')) line.chop(1);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(line);
        if (utf8.hasError())
            return reason = QStringLiteral("line %1 is not UTF-8 text").arg(i + 1), false;
        lines.append(std::move(text));
    }
    return true;
}

bool ParseHead(const QStringList& lines, TGridFileData& data, QString& reason)
{
    if (lines.size() < 7)
        return reason = QStringLiteral("it is too short to be a table file"), false;
    if (lines[0].size() != 1 || !ValidGridDelimiter(lines[0][0]))
        return reason = QStringLiteral("line 1 is not a valid cell delimiter"), false;
    data.delimiter = lines[0][0];
    if (!ParsePair(lines[1], data.delimiter, GridMaxRows, GridMaxCols, data.rows, data.cols))
        return reason = QStringLiteral("line 2 is not a row and column count within %1 rows and %2 "
                                       "columns")
                            .arg(GridMaxRows)
                            .arg(GridMaxCols),
               false;
    if (!ParseNumber(lines[2], GridFileMaxSize2D, data.defaultRowHeight))
        return reason = QStringLiteral("line 3 is not a row height"), false;
    if (!UnescapeGridText(lines[3], data.delimiter, data.caption1)
        || !UnescapeGridText(lines[4], data.delimiter, data.caption2))
        return reason = QStringLiteral("a caption holds a broken escape"), false;
    if (lines[5] != QLatin1String("Top") && lines[5] != QLatin1String("Bottom"))
        return reason = QStringLiteral("line 6 is neither Top nor Bottom"), false;
    data.placement = lines[5] == QLatin1String("Top") ? cpTop : cpBottom;
    return true;
}

bool ParseBody(const QStringList& lines, TGridFileData& data, QString& reason)
{
    const qsizetype last = lines.size() - 1;
    if (!lines[last].isEmpty())
        return reason = QStringLiteral("the closing empty line is missing (cut short?)"), false;
    for (qsizetype i = 6; i < last; ++i) {
        const QString& line = lines[i];
        TGridFileData::TSize size;
        TGridFileData::TCell cell;
        if (ParseSizeLine(line, u"Row ", u" Height: ", data.rows - 1, size))
            data.rowHeights.push_back(size);
        else if (ParseSizeLine(line, u"Column ", u" Width: ", data.cols - 1, size))
            data.colWidths.push_back(size);
        else if (ParseCellLine(line, data, cell))
            data.cells.push_back(std::move(cell));
        else
            return reason
                   = QStringLiteral("line %1 is not a size or a cell of this table").arg(i + 1),
                   false;
    }
    return true;
}

} // namespace

QString EscapeGridText(const QString& text, QChar delimiter)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == delimiter)
            out += QLatin1String("\\d");
        else if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out;
}

bool UnescapeGridText(const QString& text, QChar delimiter, QString& out)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\')) {
            result += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        switch (text[i].unicode()) {
        case 'd':
            result += delimiter;
            break;
        case 'n':
            result += QLatin1Char('\n');
            break;
        case 'r':
            result += QLatin1Char('\r');
            break;
        case '\\':
            result += QLatin1Char('\\');
            break;
        default:
            return false;
        }
    }
    out = result;
    return true;
}

QByteArray FormatGridFile(const TGridFileData& data)
{
    const QChar d = data.delimiter;
    QByteArray out;
    AddLine(out, QString(d));
    AddLine(out, QString::number(data.rows) + d + QString::number(data.cols));
    AddLine(out, QString::number(data.defaultRowHeight));
    AddLine(out, EscapeGridText(data.caption1, d));
    AddLine(out, EscapeGridText(data.caption2, d));
    AddLine(out, data.placement == cpTop ? QStringLiteral("Top") : QStringLiteral("Bottom"));
    for (const auto& [row, h] : data.rowHeights)
        AddLine(out, QStringLiteral("Row %1 Height: %2").arg(row).arg(h));
    for (const auto& [col, w] : data.colWidths)
        AddLine(out, QStringLiteral("Column %1 Width: %2").arg(col).arg(w));
    for (const auto& cell : data.cells)
        AddLine(out,
            QString::number(cell.col) + d + QString::number(cell.row) + d
                + EscapeGridText(cell.text, d));
    out += LineEnd;
    return out;
}

bool ParseGridFile(const QByteArray& bytes, TGridFileData& data, QString& reason)
{
    QStringList lines;
    TGridFileData read;
    if (!SplitLines(bytes, lines, reason) || !ParseHead(lines, read, reason)
        || !ParseBody(lines, read, reason))
        return false;
    data = std::move(read);
    return true;
}
