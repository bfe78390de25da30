// Feeds arbitrary bytes to the score-grid file reader. A file it accepts must
// be within the grid's limits and must come back the same after being written
// out and read again.
#include "ui/score_grid/score_grid_file.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

bool SameData(const TGridFileData& a, const TGridFileData& b)
{
    auto sameSizes = [](const auto& x, const auto& y) {
        if (x.size() != y.size()) return false;
        for (std::size_t i = 0; i < x.size(); ++i)
            if (x[i].index != y[i].index || x[i].size != y[i].size) return false;
        return true;
    };
    if (a.delimiter != b.delimiter || a.rows != b.rows || a.cols != b.cols
        || a.defaultRowHeight != b.defaultRowHeight || a.caption1 != b.caption1
        || a.caption2 != b.caption2 || a.placement != b.placement
        || !sameSizes(a.rowHeights, b.rowHeights) || !sameSizes(a.colWidths, b.colWidths)
        || a.cells.size() != b.cells.size())
        return false;
    for (std::size_t i = 0; i < a.cells.size(); ++i)
        if (a.cells[i].col != b.cells[i].col || a.cells[i].row != b.cells[i].row
            || a.cells[i].text != b.cells[i].text)
            return false;
    return true;
}

void CheckLimits(const TGridFileData& data)
{
    if (data.rows < 0 || data.rows > GridMaxRows || data.cols < 0 || data.cols > GridMaxCols)
        std::abort();
    for (const auto& cell : data.cells)
        if (cell.col < 1 || cell.col >= data.cols || cell.row < 0 || cell.row >= data.rows)
            std::abort();
    for (const auto& size : data.rowHeights)
        if (size.index < 0 || size.index >= data.rows) std::abort();
    for (const auto& size : data.colWidths)
        if (size.index < 0 || size.index >= data.cols) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TGridFileData parsed;
    QString reason;
    if (!ParseGridFile(bytes, parsed, reason)) {
        if (reason.isEmpty()) std::abort(); // a refusal always says why
        return 0;
    }
    CheckLimits(parsed);
    TGridFileData again;
    if (!ParseGridFile(FormatGridFile(parsed), again, reason) || !SameData(parsed, again))
        std::abort();
    return 0;
}
