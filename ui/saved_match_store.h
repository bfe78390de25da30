#pragma once

#include "game/match_file.h"

#include <QString>

#include <optional>

// The file that keeps a match the player closed the window on, beside the
// settings file ("Zaviko.sav" beside "Zaviko.ini").
class TSavedMatchStore {
public:
    explicit TSavedMatchStore(const QString& settingsFile);

    const QString& FileName() const { return FFileName; }
    bool Exists() const;
    // Replaces the file at once, so a crash leaves the old one or the new one.
    bool Save(const TSavedMatch& match) const;
    // The saved match; a file that cannot be read as one is moved aside to
    // FileName() + ".bad" and reported through the message sink.
    std::optional<TSavedMatch> Load() const;
    void Remove() const;

private:
    QString FFileName;
};
