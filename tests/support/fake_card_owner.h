#pragma once

#include "cards/zucard.h"

#include <memory>
#include <string>
#include <vector>

// A card owner that records what its cards ask of it, for tests of code that
// handles cards without any control on screen.
class TFakeCardOwner : public TZuCardOwner {
public:
    bool enabled = true;
    TZuCardBackType cardBack = cbDefault;
    bool showBack = true;
    std::vector<std::string> calls; // "redraw", "empty", "id", "showback", "back"

    bool Enabled() const override { return enabled; }
    TZuCardBackType CardBack() const override { return cardBack; }
    bool ShowBack() const override { return showBack; }
    void RedrawCard(TZuSingleCard&, bool) override { calls.push_back("redraw"); }
    void CardEmptyChange(TZuSingleCard&) override { calls.push_back("empty"); }
    void CardIDChange(TZuSingleCard&) override { calls.push_back("id"); }
    void CardShowBackChange(TZuSingleCard&) override { calls.push_back("showback"); }
    void CardBackChange(TZuSingleCard&) override { calls.push_back("back"); }

    // A face-up card with the given ID owned by this owner; nothing recorded.
    std::unique_ptr<TZuSingleCard> MakeCard(int id)
    {
        auto card = std::make_unique<TZuSingleCard>(*this);
        card->SetShowBack(false);
        card->SetID(id);
        calls.clear();
        return card;
    }
};

// Face-up cards made on demand and kept for the pool's lifetime.
class TCardPool {
public:
    TZuSingleCard& Make(int id)
    {
        FCards.push_back(FOwner.MakeCard(id));
        return *FCards.back();
    }

private:
    TFakeCardOwner FOwner;
    std::vector<std::unique_ptr<TZuSingleCard>> FCards;
};
