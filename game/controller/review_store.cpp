#include "game/controller/review_store.h"

#include "game/review/review_file.h"

namespace {

// A long match's reviews, two decks a hand, with room to spare.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
const QString kExtension = QStringLiteral(".rev");

} // namespace

TReviewStore::TReviewStore(const QString& settingsFile)
    : FFile(settingsFile, kExtension, kMaxFileSize, /*takeOver=*/false)
{
}

bool TReviewStore::Save(const std::vector<THandReview>& reviews) const
{
    return FFile.Write(SaveReviewText(reviews));
}

std::optional<std::vector<THandReview>> TReviewStore::Load() const
{
    std::string text, error;
    if (FFile.Read(text) != TReadResult::Read) return std::nullopt;
    if (auto reviews = LoadReviewText(text, error)) return reviews;
    // Nothing the player made is lost: the review is the game's own work.
    FFile.Remove();
    return std::nullopt;
}
