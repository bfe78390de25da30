// Saving and loading a whole table.

#include "ui/score_grid.h"
#include "ui/score_grid_file.h"

#include "platform/message_sink.h"
#include "settings/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

void ReportFailure(const QString& text)
{
    MessageSink().Error(text.toStdString());
}

// The new file is complete on the disk before the old one is touched: it is
// written to a temporary file beside the target, then the old file becomes
// the backup (when asked and no backup exists yet, so the first backup is
// kept), and last the new file is renamed into place. A failed write thus
// leaves the old file as it was.
bool ReplaceFile(const QString& path, const QByteArray& bytes, bool backup, QString& reason)
{
    const QFileInfo target(path);
    if (target.isDir()) return reason = QStringLiteral("it is a folder"), false;
    RemoveStaleTemporaries(path);
    QTemporaryFile temp(TemporaryPattern(path));
    if (!temp.open()) return reason = temp.errorString(), false;
    if (temp.write(bytes) != bytes.size() || !temp.flush() || ::fsync(temp.handle()) != 0)
        return reason = temp.errorString(), false;
    const QFile::Permissions mode = target.exists()
        ? QFile::permissions(path)
        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    temp.setPermissions(mode);
    // The backup is a second name for the old file, so the target keeps a
    // whole file at every moment: moving the old file aside first would leave
    // none at all if the program died before the new one took its place.
    if (backup && target.exists()) {
        const QString backupName = path + QStringLiteral("BAK");
        if (!QFileInfo::exists(backupName)
            && ::link(
                   QFile::encodeName(path).constData(), QFile::encodeName(backupName).constData())
                != 0)
            QFile::copy(path, backupName);
    }
    // std::rename replaces the target in one step; QFile::rename refuses to.
    if (std::rename(QFile::encodeName(temp.fileName()).constData(),
            QFile::encodeName(target.absoluteFilePath()).constData())
        != 0)
        return reason = QString::fromLocal8Bit(std::strerror(errno)), false;
    temp.setAutoRemove(false);
    return true;
}

bool ReadWhole(const QString& path, QByteArray& bytes, QString& reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return reason = file.errorString(), false;
    // Sized before reading, so a huge file costs nothing.
    if (file.size() > GridFileMaxSize)
        return reason = QStringLiteral("the file is larger than %1 MiB").arg(GridFileMaxSize >> 20),
               false;
    bytes = file.read(GridFileMaxSize + 1);
    if (file.error() != QFile::NoError) return reason = file.errorString(), false;
    return true;
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
        if (ReplaceFile(name, FormatGridFile(Snapshot()), FAutoBackup, reason)) return true;
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
        if (ReadWhole(name, bytes, reason) && ParseGridFile(bytes, data, reason)) {
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
