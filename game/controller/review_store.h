#pragma once

#include "game/review/move_review.h"
#include "settings/player_text_file.h"

#include <QString>

#include <optional>
#include <vector>

// The reviews of the match in progress, kept beside its saved match
// ("Zaviko.rev" beside "Zaviko.sav") so a resumed match keeps them. Apart
// from the saved match, which is written after every move: the reviews
// change once a hand, and are many times its size.
class TReviewStore {
public:
    explicit TReviewStore(const QString& settingsFile);

    const QString& FileName() const { return FFile.FileName(); }
    bool Save(const std::vector<THandReview>& reviews) const;
    // The reviews kept; a file that cannot be read as reviews is removed (they
    // are judged again only for hands still to come) and gives nothing.
    std::optional<std::vector<THandReview>> Load() const;
    void Remove() const { FFile.Remove(); }

private:
    TPlayerTextFile FFile;
};
