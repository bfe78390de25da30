#pragma once

#include "cards/zucard.h"
#include "cards/zugraphics.h"
#include "platform/random.h"

#include <QColor>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

// A form with a virtual deck driving a visual deck on it, as on the main window.
class TDeckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.resize(400, 300);
        visual = new TZuCardDeck(&form);
        deck.SetVisualDeck(visual);
    }
    void TearDown() override
    {
        // Every deck operation gives the animation lock back.
        EXPECT_EQ(AnimationLockCount(), 0u);
        ReleaseRandomSeed();
    }

    // Every suit holds `copies` of each card: 52, 104 or 208 cards.
    void IncludeCopies(int copies)
    {
        for (int suit = 1; suit <= 4; ++suit)
            deck.IncludedCards().SuitNumber(suit).SetAll(std::uint8_t(copies));
    }

    std::vector<int> TakeAll()
    {
        std::vector<int> ids;
        for (int id = deck.NextCard(); id >= 0; id = deck.NextCard())
            ids.push_back(id);
        return ids;
    }

    QWidget form;
    TZuCardDeck* visual = nullptr; // owned by the form
    TZuVirtualDeck deck;
};

// The colour of a picture at a logical point, whatever its pixel scale.
inline QColor PixelAt(const QImage* picture, int x, int y)
{
    const qreal scale = picture->devicePixelRatio();
    return picture->pixelColor(int(x * scale), int(y * scale));
}
