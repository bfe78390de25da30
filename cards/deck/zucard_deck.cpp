#include "cards/deck/zucard_deck.h"

#include "cards/ids/id_shuffle.h"
#include "cards/sprite/zugraphics_lock.h"
#include "platform/random.h"

#include <algorithm>

namespace {

constexpr int ConstructedSize = 52;
constexpr int OriginFromRight = 70;
constexpr int OriginFromBottom = 95;

// Positions whose card, once taken, thins the visual stack by one layer.
bool ThinsStackAt(int total, int position)
{
    if (total < 53) return position == 38 || position == 25 || position == 12 || position == 0;
    if (total <= 1000) return position >= 0 && position <= 96 && position % 8 == 0;
    return false;
}

} // namespace

TZuVirtualDeck::TZuVirtualDeck(QObject* parent)
    : QObject(parent)
    , FDeckFileReader(BuiltInDeckFileReader())
    , FRemaining(ConstructedSize, 0)
{
}

TZuVirtualDeck::~TZuVirtualDeck() = default;

void TZuVirtualDeck::SetVisualDeck(TZuCardDeck* deck)
{
    FVisualDeck = deck;
    if (deck) {
        OriginX();
        OriginY();
    }
}

void TZuVirtualDeck::SetSprite(TZuSprite* sprite)
{
    FSprite = sprite;
}

int TZuVirtualDeck::OriginX()
{
    if (FVisualDeck) FOriginX = FVisualDeck->x() + FVisualDeck->width() - OriginFromRight;
    return FOriginX;
}

int TZuVirtualDeck::OriginY()
{
    if (FVisualDeck) FOriginY = FVisualDeck->y() + FVisualDeck->height() - OriginFromBottom;
    return FOriginY;
}

void TZuVirtualDeck::SetCustomDeck(bool b)
{
    const bool wasCustom = FCustomDeck;
    FCustomDeck = b;
    if (b) {
        // Switching from one deck file to another keeps the count of the
        // included-cards deck, not the previous file's.
        if (!wasCustom) FSavedShuffleCount = FShuffleCount;
        if (ReadCustomDeck()) return;
        // No list and no count of a file the deck no longer uses stays behind.
        FCustomDeck = false;
        FShuffleCount = FSavedShuffleCount;
        return;
    }
    if (wasCustom) FShuffleCount = FSavedShuffleCount;
}

void TZuVirtualDeck::SetCustomDeckFileName(const QString& name)
{
    FCustomDeckFileName = name;
    if (name.isEmpty()) FCustomDeck = false;
}

void TZuVirtualDeck::Loaded()
{
    FSavedShuffleCount = FShuffleCount;
    if (FCustomDeck && !ReadCustomDeck()) FCustomDeck = false;
}

bool TZuVirtualDeck::ReadCustomDeck()
{
    TZuDeckFileContent content;
    if (!FDeckFileReader || !FDeckFileReader(FCustomDeckFileName, content)) {
        FCustomList = {};
        FCustomCount = 0;
        return false;
    }
    FCustomList = content.Cards;
    FCustomCount = content.CardCount;
    FShuffleCount = content.ShuffleCount;
    return true;
}

void TZuVirtualDeck::PrepareDeck()
{
    Randomize();
    Prepare(Random);
}

void TZuVirtualDeck::PrepareDeck(TRandomGenerator& random)
{
    Prepare([&random](int n) { return random.Below(n); });
}

void TZuVirtualDeck::Prepare(const std::function<int(int)>& draw)
{
    TZuAnimationLockGuard lock;
    FTotal = FIncludedCards.Count();
    if (FCustomDeck) {
        // A custom deck has no more cards than its file's valid entries.
        FTotal = std::clamp(std::min(FTotal, FCustomCount), 0, ZuDeckFileCards);
        FRemaining.assign(FCustomList.begin(), FCustomList.begin() + FTotal);
    } else {
        FIncludedCards.FillList(FRemaining);
    }
    ShuffleIds(std::span<int>(FRemaining.data(), std::size_t(FTotal)), FShuffleCount, draw);
    FPosition = int(FRemaining.size()) - 1;
    ShowPrepared();
    if (AfterPrepareDeck) AfterPrepareDeck(this);
}

void TZuVirtualDeck::ShowPrepared()
{
    if (!FVisualDeck) return;
    if (!FRemaining.empty()) {
        FVisualDeck->CardLast().SetID(FRemaining.front()); // dealt last
        FVisualDeck->CardFirst().SetID(FRemaining.back()); // dealt first
    }
    FVisualDeck->SetDeckEmpty(false);
    FVisualDeck->SetExhausted(false);
}

int TZuVirtualDeck::NextCard()
{
    TZuAnimationLockGuard lock;
    // An exhausted deck changes nothing more, whatever its visual deck shows.
    if (FPosition < 0) return -1;
    int result = -1;
    if (FPosition < int(FRemaining.size())) {
        result = FRemaining[FPosition];
        if (FVisualDeck) FVisualDeck->CardFirst().SetID(result);
        // Count falls card by card, with or without a visual deck.
        FRemaining.pop_back();
        if (FVisualDeck && ThinsStackAt(FTotal, FPosition)) FVisualDeck->DropLayer();
    }
    if (--FPosition < 0) {
        EmptyStack();
        FRemaining.clear();
        FPosition = -1;
    }
    return result;
}

void TZuVirtualDeck::EmptyStack()
{
    if (!FVisualDeck) return;
    FVisualDeck->SetExhausted(true);
    if (FVisualDeck->DeckEmpty()) return;
    // From 0 layers the first drop shows the deck used up and restores the
    // layers, which the loop then takes down again; from more it only thins.
    do
        FVisualDeck->DropLayer();
    while (FVisualDeck->Layers() != 0);
}
