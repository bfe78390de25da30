// Saving and loading a whole table.

#include "ui/score_grid/score_grid.h"
#include "ui/score_grid/score_grid_file.h"

#include "platform/message_sink.h"
#include "settings/atomic_file.h"
#include "settings/player_files.h"

#include <QDir>
#include <QFileInfo>

namespace {

void ReportFailure(const QString& text)
{
    MessageSink().Error(text.toStdString());
}

// With the backup on, the old file also becomes "<name>BAK" unless one is
// there, so the first backup is kept.
TAtomicWrite TableWrite(bool backup)
{
    TAtomicWrite how;
    if (backup) how.backupSuffix = QStringLiteral("BAK");
    return how;
}

// Why the bytes of a table file could not be had.
QString ReadRefusal(TReadResult result)
{
    switch (result) {
    case TReadResult::TooLarge:
        return QStringLiteral("the file is larger than %1 MiB").arg(GridFileMaxSize >> 20);
    case TReadResult::NotRegular:
        return QStringLiteral("it is not a regular file");
    default:
        return QStringLiteral("it cannot be read");
    }
}

} // namespace

TGridFileData TPubStrGrid::Snapshot() const
{
    TGridFileData data;
    data.delimiter = FCellDelimiter;
    data.rows = RowCount();
    data.cols = ColCount();
    data.defaultRowHeight = FDefaultRowHeight;
    data.caption1 = FCaption1;
    data.caption2 = FCaption2;
    data.placement = FCaption2Placement;
    for (int r = 0; r < data.rows; ++r)
        if (RowHeights(r) != FDefaultRowHeight) data.rowHeights.push_back({ r, RowHeights(r) });
    for (int c = 0; c < data.cols; ++c)
        if (ColWidths(c) != FDefaultColWidth) data.colWidths.push_back({ c, ColWidths(c) });
    for (int r = 0; r < data.rows; ++r)
        for (int c = 1; c < data.cols; ++c)
            if (QString text = Cells(c, r); !text.isEmpty())
                data.cells.push_back({ c, r, std::move(text) });
    return data;
}

// Only a whole valid file gets here. Cells of columns 1 on that the file does
// not name are emptied, since the file leaves out exactly the empty ones.
void TPubStrGrid::Apply(const TGridFileData& data)
{
    CloseEditor();
    FCellDelimiter = data.delimiter;
    SetRowCount(data.rows);
    SetColCount(data.cols);
    SetDefaultRowHeight(data.defaultRowHeight);
    for (int c = 0; c < data.cols; ++c)
        SetColWidths(c, FDefaultColWidth);
    FCaption1 = data.caption1;
    FCaption2 = data.caption2;
    FCaption2Placement = data.placement;
    for (const auto& [row, h] : data.rowHeights)
        SetRowHeights(row, h);
    for (const auto& [col, w] : data.colWidths)
        SetColWidths(col, w);
    for (int r = 0; r < data.rows; ++r)
        for (int c = 1; c < data.cols; ++c)
            SetCellIfChanged(c, r, QString());
    for (const auto& cell : data.cells)
        SetCellIfChanged(cell.col, cell.row, cell.text);
}

bool TPubStrGrid::SaveToFile(const QString& name)
{
    QString reason;
    try {
        CloseEditor();
        if (WriteFileAtomically(name, FormatGridFile(Snapshot()), TableWrite(FAutoBackup), reason))
            return true;
    } catch (const std::exception& e) {
        reason = QString::fromLocal8Bit(e.what());
    }
    ReportFailure(QStringLiteral("Unable to save the table to %1: %2. The file was not changed.")
                      .arg(QDir::toNativeSeparators(name), reason));
    return false;
}

bool TPubStrGrid::LoadFromFile(const QString& name)
{
    if (!QFileInfo::exists(name)) return true;
    QString reason;
    try {
        QByteArray bytes;
        TGridFileData data;
        // Sized before reading, so a huge file costs nothing.
        const TReadResult read = ReadRegularFile(name, GridFileMaxSize, bytes);
        if (read != TReadResult::Read) reason = ReadRefusal(read);
        if (read == TReadResult::Read && ParseGridFile(bytes, data, reason)) {
            Apply(data);
            viewport()->update();
            return true;
        }
    } catch (const std::exception& e) {
        reason = QString::fromLocal8Bit(e.what());
    }
    ReportFailure(
        QStringLiteral("%1 is not a table file this program can read: %2. The table was not "
                       "changed.")
            .arg(QDir::toNativeSeparators(name), reason));
    return false;
}
