#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class TDiskSyncer;

// The log's open file: shared with other readers and writers (no lock), created
// when missing, every write on the disk before it returns (unless that is
// deferred), and positioned at the end. Raises ELogOpenError "Could not open log file "<name>""
// when the file cannot be opened.
class TLogFileStream {
public:
    explicit TLogFileStream(const QString& FileName);
    ~TLogFileStream();
    TLogFileStream(const TLogFileStream&) = delete;
    TLogFileStream& operator=(const TLogFileStream&) = delete;

    int Handle() const { return FHandle; }
    qint64 Size() const; // -1 when the file system cannot tell

    // Hands all of `Data` to the file; on failure cuts off whatever part of it
    // arrived, so no half line stays behind, and returns false.
    bool Write(const QByteArray& Data);
    // Sets the position to 0 and cuts the file there.
    bool Clear();

    // Whether each write is on the disk before it returns (the default).
    // Without, a write still reaches the file at once, in order, and outlives
    // the program however it ends; only the disk's copy waits. Turning it on
    // again puts every earlier write on the disk first and returns false when
    // the disk refuses. A stream closed without it syncs as it closes.
    bool SetWritesSynced(bool synced);
    // While writes are synced, puts them on the disk from a thread of its
    // own instead of before Write returns, so the writer never waits for the
    // disk: each write still reaches the file at once, in order, and outlives
    // the program however it ends, and the disk's copy follows as soon as the
    // disk takes it. A disk that refuses fails the next Write (which then
    // writes nothing) or SetWritesSynced(true), which waits for the disk.
    void SetSyncInBackground(bool background);

private:
    int FHandle = -1;
    bool FWritesSynced = true;
    std::unique_ptr<TDiskSyncer> FSyncer;
};
