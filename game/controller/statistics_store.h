#pragma once

#include "game/rules/match_statistics.h"
#include "settings/player_text_file.h"

#include <QString>

#include <optional>

// The player's statistics in a file beside the settings file
// ("Zaviko.stat" beside "Zaviko.ini"), or in the per-user folder when the
// settings' folder cannot be written (a file already beside them is taken
// over). Read on first use; saved after every change, so a crash loses at
// most the change under way.
//
// Another copy of the game, or another store on the same file, may have
// counted matches of its own since this one read the file: a save therefore
// adds this store's new counts to what the file holds at that moment, under a
// writers' lock beside it ("Zaviko.stat.lock", see TWriterLock), so no
// writer's count is lost.
//
// The matches in which a move was taken back are counted apart, from that
// move on, in a file of the same format beside it (kUndoExtension,
// "Zaviko.undo.stat"), so the statistics file keeps the format every build
// reads.
class TStatisticsStore {
public:
    static inline const QString kExtension = QStringLiteral(".stat");
    static inline const QString kUndoExtension = QStringLiteral(".undo.stat");
    // Matches played at network tables.
    static inline const QString kNetworkExtension = QStringLiteral(".net.stat");

    explicit TStatisticsStore(const QString& settingsFile, const QString& extension = kExtension);
    // With the per-user folder and the folder's writability given, so tests
    // can pose a read-only folder.
    TStatisticsStore(const QString& settingsFile, const QString& fallbackFolder,
        bool folderWritable, const QString& extension = kExtension);

    const QString& FileName() const { return FFile.FileName(); }
    // The statistics as read from the file at the last read or save, with
    // this store's own counts (empty without a file). A file that cannot be
    // read as statistics is moved aside to FileName() + ".bad.N" and reported
    // through the message sink; while it cannot be moved aside, or is no
    // regular file, it is never overwritten, and this session's statistics
    // are not saved.
    TMatchStatistics& Statistics();
    // Adds the event and saves.
    void Record(const TMatchEvent& event);
    // Empties the statistics and saves; false when the file could not be
    // written (the next save then empties it).
    bool Reset();
    // Adds the counts not yet saved to the file at once; false when they were
    // not written (they are kept for the next save).
    bool Save();
    bool Writable() const { return FWritable; }

private:
    void Load();
    // The file's statistics now; empty for no file or one set aside, nullopt
    // when the file must be left alone.
    std::optional<TMatchStatistics> ReadFile();
    bool SetAside(const std::string& why);
    bool WriteFailed();
    // What the player's messages call this file's statistics.
    QString Subject() const;

    TPlayerTextFile FFile;
    bool FUndo = false;
    TMatchStatistics FStatistics;
    // The counts recorded since the last save reached the file.
    TMatchStatistics FUnsaved;
    // A reset not yet written: the next save replaces the file's counts.
    bool FResetUnsaved = false;
    bool FLoaded = false;
    bool FWritable = true;
    bool FFailureShown = false;
};
