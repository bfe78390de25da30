#pragma once

#include "game/rules/match_statistics.h"
#include "settings/player_text_file.h"

#include <QString>

// The player's statistics in a file beside the settings file
// ("Zaviko.stat" beside "Zaviko.ini"), or in the per-user folder when the
// settings' folder cannot be written (a file already beside them is taken
// over). Read once, on first use; written whole after every change, so a
// crash loses at most the change under way.
//
// The matches in which a move was taken back are counted apart, from that
// move on, in a file of the same format beside it (kUndoExtension,
// "Zaviko.undo.stat"), so the statistics file keeps the format every build
// reads.
class TStatisticsStore {
public:
    static inline const QString kExtension = QStringLiteral(".stat");
    static inline const QString kUndoExtension = QStringLiteral(".undo.stat");

    explicit TStatisticsStore(const QString& settingsFile, const QString& extension = kExtension);
    // With the per-user folder and the folder's writability given, so tests
    // can pose a read-only folder.
    TStatisticsStore(const QString& settingsFile, const QString& fallbackFolder,
        bool folderWritable, const QString& extension = kExtension);

    const QString& FileName() const { return FFile.FileName(); }
    // The statistics as read from the file (empty without one). A file that
    // cannot be read as statistics is moved aside to FileName() + ".bad.N" and
    // reported through the message sink; while it cannot be moved aside, or is
    // no regular file, it is never overwritten, and this session's statistics
    // are not saved.
    TMatchStatistics& Statistics();
    // Adds the event and saves.
    void Record(const TMatchEvent& event);
    // Empties the statistics and saves; false when the file could not be written.
    bool Reset();
    // Writes the file at once; false when it was not written.
    bool Save();
    bool Writable() const { return FWritable; }

private:
    void Load();
    bool SetAside(const std::string& why);

    TPlayerTextFile FFile;
    TMatchStatistics FStatistics;
    bool FLoaded = false;
    bool FWritable = true;
    bool FFailureShown = false;
};
