#include "game/controller/card_flights.h"

#include "cards/group/zucard_group.h"
#include "cards/sprite/zugraphics_sprite.h"

#include <algorithm>

void TCardFlights::ExpectLanding(const TZuCardGroup* group, int slot)
{
    FLanding.emplace_back(group, slot);
}

bool TCardFlights::Landing(const TZuCardGroup* group, int slot) const
{
    return std::find(FLanding.begin(), FLanding.end(), std::make_pair(group, slot))
        != FLanding.end();
}

void TCardFlights::Landed(const TZuCardGroup* group, int slot)
{
    const auto it = std::find(FLanding.begin(), FLanding.end(), std::make_pair(group, slot));
    if (it != FLanding.end()) FLanding.erase(it);
}

void TCardFlights::Launch(TZuCardGroup& group, QPoint from, QPoint to, const QImage* picture,
    int delayMs, std::function<void()> landed)
{
    ++FUp;
    group.FlyCard(from, to, picture, delayMs, [this, landed = std::move(landed)] {
        if (landed) landed();
        --FUp;
        if (OnCardLanded) OnCardLanded();
        if (FUp > 0) return;
        std::vector<std::function<void()>> down;
        down.swap(FWhenDown);
        for (const auto& told : down)
            told();
    });
}

void TCardFlights::LandAll(TZuSprite* sprite)
{
    if (FUp > 0 && sprite) sprite->LandAll();
}

void TCardFlights::WhenDown(std::function<void()> told)
{
    if (FUp == 0)
        told();
    else
        FWhenDown.push_back(std::move(told));
}
