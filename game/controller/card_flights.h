#pragma once

#include <QPoint>

#include <atomic>
#include <functional>
#include <utility>
#include <vector>

class QImage;
class TZuCardGroup;
class TZuSprite;

// The cards in the air: flights launched with a card group's sprite, the
// slots whose card has not landed yet (they show empty till then), and who
// waits for the last card down. GUI thread only, except Up.
class TCardFlights {
public:
    // How many cards are in the air; any thread may read it.
    int Up() const { return FUp; }
    // A card flies to this slot: it shows empty until Landed.
    void ExpectLanding(const TZuCardGroup* group, int slot);
    bool Landing(const TZuCardGroup* group, int slot) const;
    void Landed(const TZuCardGroup* group, int slot);
    // Flies a picture from `from` to `to` (window coordinates) after
    // `delayMs`; `landed` runs when it is down, before the count drops.
    void Launch(TZuCardGroup& group, QPoint from, QPoint to, const QImage* picture, int delayMs,
        std::function<void()> landed);
    // Every card in the air lands now.
    void LandAll(TZuSprite* sprite);
    // `told` runs once no card is in the air: now, or when the last is down.
    void WhenDown(std::function<void()> told);
    // After each card has landed.
    std::function<void()> OnCardLanded;

private:
    std::vector<std::pair<const TZuCardGroup*, int>> FLanding;
    std::atomic<int> FUp { 0 };
    std::vector<std::function<void()>> FWhenDown;
};
