#pragma once

#include "cards/deck/zucard_deck_source.h"
#include "cards/deck/zucard_deck_visual.h"
#include "cards/pictures/zucard_included.h"
#include "cards/sprite/zugraphics_sprite.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <vector>

class TRandomGenerator;
class TZuCardGroup;
class TZuVirtualDeck;

using TZuVirtualDeckNotifyEvent = std::function<void(TZuVirtualDeck* sender)>;

// The logical deck: builds the card IDs from the included cards (or a deck
// file), shuffles them (with its user's generator, or the card library's own), hands out the next
// card and deals into card groups. It drives a connected visual deck as cards
// are taken and flies dealt cards with a connected sprite.
class TZuVirtualDeck : public QObject {
    Q_OBJECT
public:
    explicit TZuVirtualDeck(QObject* parent = nullptr);
    ~TZuVirtualDeck() override;

    TZuIncludedCards& IncludedCards() { return FIncludedCards; }
    const TZuIncludedCards& IncludedCards() const { return FIncludedCards; }
    void SetIncludedCards(const TZuIncludedCards& cards) { FIncludedCards.CopyFrom(cards); }
    int ShuffleCount() const { return FShuffleCount; }
    void SetShuffleCount(int n) { FShuffleCount = n; }
    bool DealAnimation() const { return FDealAnimation; }
    void SetDealAnimation(bool b) { FDealAnimation = b; }
    TZuCardDeck* VisualDeck() const { return FVisualDeck.data(); }
    void SetVisualDeck(TZuCardDeck* deck);
    TZuSprite* Sprite() const { return FSprite.data(); }
    void SetSprite(TZuSprite* sprite);
    // Where dealt cards start their flight, in window coordinates; with a
    // visual deck connected, its bottom-right card position.
    int OriginX();
    void SetOriginX(int x) { FOriginX = x; }
    int OriginY();
    void SetOriginY(int y) { FOriginY = y; }

    // A custom deck takes its card order and shuffle count from the deck file.
    bool CustomDeck() const { return FCustomDeck; }
    void SetCustomDeck(bool b);
    QString CustomDeckFileName() const { return FCustomDeckFileName; }
    void SetCustomDeckFileName(const QString& name);
    // Who reads the deck file; the built-in reader unless replaced.
    void SetDeckFileReader(TZuDeckFileReader reader) { FDeckFileReader = std::move(reader); }

    TZuVirtualDeckNotifyEvent AfterPrepareDeck;

    // Builds, shuffles and shows a fresh deck: with the card library's own
    // generator, re-seeded first, or with the user's generator as it stands.
    void PrepareDeck();
    void PrepareDeck(TRandomGenerator& random);
    // Takes the next card: its ID, or -1 once the deck is exhausted.
    int NextCard();
    // Cards not yet taken.
    int Count() const { return int(FRemaining.size()); }
    // Their IDs; the next card is the last.
    const std::vector<int>& Remaining() const { return FRemaining; }
    // Append mode adds `count` new cards to the group; refill mode gives every
    // card of the group that is not Reserved a new one and ignores `count`.
    // Refused while the animation lock is held and a visual deck is connected.
    void Deal(TZuCardGroup& group, bool append, int count);

    // What the form does after loading the component: keeps the shuffle count
    // and reads the deck file of a custom deck.
    void Loaded();

private:
    void Prepare(const std::function<int(int)>& draw);
    void ShowPrepared();
    void ThinStack(int position);
    void EmptyStack();
    bool ReadCustomDeck();
    void DealAppend(TZuCardGroup& group, int count);
    void DealRefill(TZuCardGroup& group);
    // False when the application quit during the flight: the deal stops.
    bool FlyCard(QPoint to, const QImage* picture);

    TZuIncludedCards FIncludedCards;
    int FShuffleCount = 0;
    bool FDealAnimation = true;
    QPointer<TZuCardDeck> FVisualDeck;
    QPointer<TZuSprite> FSprite;
    int FOriginX = 0;
    int FOriginY = 0;
    bool FCustomDeck = false;
    QString FCustomDeckFileName;
    TZuDeckFileReader FDeckFileReader;

    // The next card is the one at FPosition, which counts down from the end.
    std::vector<int> FRemaining;
    int FPosition = 0;
    int FTotal = 52;
    std::array<int, ZuDeckFileCards> FCustomList {};
    int FCustomCount = 0; // valid entries at the start of FCustomList
    int FSavedShuffleCount = 0;
};
