// The background buffer: the scroll strips on their own, and the sprite's form
// looking as before once the sprite has passed.
#include "tests/cards/sprite_fixture.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A surface that models drawing straight on the form's pixels, so a
// read takes whatever the screen shows and a restore writes the buffer back. A
// 30 × 20 sprite starts at (100, 80); a move scrolls the buffer, then draws.
struct TScreenSprite : TZuSpriteSurface {
    const QImage clean = PatternImage(QSize(300, 200));
    QImage screen = clean;
    std::vector<QRect> reads, restores;
    TZuSpriteBackground background;
    const QImage picture = PatternImage(QSize(30, 20)).mirrored(true, true);
    QPoint at { 100, 80 };

    TScreenSprite()
    {
        background.Save(*this, QRect(at, picture.size()));
        Put(picture, at);
    }
    QImage ReadForm(const QRect& rect) override
    {
        reads.push_back(rect);
        return screen.copy(rect);
    }
    void Restore(const QRect& formRect, const QImage& buffer, const QRect& source) override
    {
        restores.push_back(formRect);
        Put(buffer.copy(source), formRect.topLeft());
    }
    void Put(const QImage& image, QPoint to)
    {
        QPainter painter(&screen);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(to, image);
    }
    void MoveBy(QPoint d)
    {
        reads.clear();
        restores.clear();
        const bool fresh = background.Scroll(*this, at, d.x(), d.y());
        at += d;
        if (fresh) background.Save(*this, QRect(at, picture.size()));
        Put(picture, at);
    }
};

} // namespace

TEST(SpriteBackground, AMoveSwapsOnlyTheUncoveredStripsAndKeepsTheBufferEqualToTheForm)
{
    struct Case {
        QPoint move;
        std::vector<QRect> restores, reads;
    };
    const Case cases[] = {
        { { 5, 0 }, { QRect(100, 80, 5, 20) }, { QRect(130, 80, 5, 20) } },
        { { -7, 0 }, { QRect(128, 80, 7, 20) }, { QRect(98, 80, 7, 20) } },
        { { 0, 6 }, { QRect(98, 80, 30, 6) }, { QRect(98, 100, 30, 6) } },
        { { 0, -4 }, { QRect(98, 102, 30, 4) }, { QRect(98, 82, 30, 4) } },
        { { 29, 0 }, { QRect(98, 82, 29, 20) }, { QRect(128, 82, 29, 20) } },
        { { 0, -19 }, { QRect(127, 83, 30, 19) }, { QRect(127, 63, 30, 19) } },
        // Old and new place apart: all of it back, then a fresh save.
        { { 30, 0 }, { QRect(127, 63, 30, 20) }, { QRect(157, 63, 30, 20) } },
        // No move restores nothing and saves afresh (the real sprite's layer
        // is left out of that save; this screen has none, so no pixel check).
        { { 0, 0 }, {}, { QRect(157, 63, 30, 20) } },
    };
    TScreenSprite s;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.move.x() << "," << c.move.y());
        s.MoveBy(c.move);
        EXPECT_EQ(s.restores, c.restores);
        EXPECT_EQ(s.reads, c.reads);
        if (c.move.isNull()) continue;
        EXPECT_EQ(ImageDiff(s.background.Image(), s.clean.copy(QRect(s.at, QSize(30, 20)))), "");
        EXPECT_EQ(ImageDiff(s.screen, WithPicture(s.clean, s.picture, s.at)), "");
    }
}

// The real sprite over a real form with children, all added after the sprite's
// layer: at every step the buffer holds the form's pixels under the sprite, the
// layer only the picture, the screen both; at the end the form is as before.
TEST(SpriteBackground, AFlightOverAFormWithChildrenLeavesItAsBefore)
{
    QImage sharp = CardPictureForTest(QSize(142, 192)); // flies at 71 × 96
    sharp.setDevicePixelRatio(2);
    struct Case {
        TZuDrawOptions options;
        QImage card;
    };
    for (const Case& c : { Case { ZuDefaultDrawOptions, CardPictureForTest() },
             Case { ZuDefaultDrawOptions | ZuDrawOptionBit(doAutoRefresh), sharp } }) {
        TSpriteOnForm s(false);
        (new QLabel(QStringLiteral("Zaviko: the deal"), &s.form))->setGeometry(60, 50, 120, 30);
        (new QPushButton(QStringLiteral("Deal"), &s.form))->setGeometry(150, 70, 80, 30);
        auto* panel = new QFrame(&s.form);
        panel->setFrameStyle(QFrame::Box | QFrame::Plain);
        panel->setAutoFillBackground(true);
        panel->setGeometry(130, 120, 180, 100);
        (new QCheckBox(QStringLiteral("Animate"), panel))->setGeometry(10, 10, 120, 24);
        ShowActive(s.form);
        const QImage before = Screen(s.form);
        s.card = c.card;
        s.sprite.SetDrawOptions(c.options);
        s.sprite.SetIncrementX(7);
        s.sprite.SetIncrementY(3);
        int wrongSteps = 0;
        s.sprite.AfterStep = [&](QObject*) {
            s.steps.push_back(s.At());
            if (s.sprite.Background() != before.copy(QRect(s.At(), QSize(71, 96)))
                || s.sprite.Layer()->Picture() != WithPicture({}, s.card, s.At(), s.form.size())
                || Screen(s.form) != WithPicture(before, s.card, s.At()))
                ++wrongSteps;
        };
        s.Fly(10, 100, 200, 20);
        s.Fly(200, 20, 30, 110);
        EXPECT_EQ(s.steps.size(), 58u);
        EXPECT_EQ(wrongSteps, 0) << c.options;
        EXPECT_EQ(ImageDiff(Screen(s.form), before), "") << c.options;
        EXPECT_EQ(s.sprite.Background().size(), QSize(0, 0));
        EXPECT_FALSE(s.sprite.Layer()->HoldsPixels());
    }
}

TEST(SpriteBackground, WithoutAutoEraseTheTrailGoesWhenTheSpriteHides)
{
    TSpriteOnForm s;
    const QImage before = Screen(s.form);
    s.sprite.SetDrawOptions(ZuDefaultDrawOptions & ~ZuDrawOptionBit(doAutoErase));
    bool trail = false;
    s.sprite.AfterMove
        = [&](QObject*) { trail = Screen(s.form).pixel(12, 50) != before.pixel(12, 50); };
    s.Fly(10, 10, 30, 10);
    EXPECT_TRUE(trail);
    EXPECT_EQ(ImageDiff(Screen(s.form), before), "");
}

TEST(SpriteBackground, TheBufferLeavesOutOtherSpritesAndIsClearOutsideTheForm)
{
    TSpriteOnForm s;
    const QImage before = Screen(s.form);
    const QImage edge = ZuRenderForm(&s.form, QRect(-5, -5, 20, 20));
    EXPECT_EQ(edge.pixel(0, 0), 0u);
    EXPECT_EQ(edge.pixel(10, 10), before.pixel(5, 5));

    TZuSprite second(&s.form);
    s.sprite.SetDrawOptions(0);
    second.SetDrawOptions(0);
    s.sprite.Fly(20, 20, 20, 20, &s.card, true);
    second.Fly(30, 25, 30, 25, &s.card, true);
    EXPECT_EQ(ImageDiff(second.Background(), before.copy(QRect(30, 25, 71, 96))), "");
}

TEST(SpriteBackground, AutoRefreshPutsThePictureBackAfterAFormPaint)
{
    TSpriteOnForm s;
    s.sprite.Fly(40, 40, 40, 40, &s.card, true);
    const QImage shown = s.sprite.Layer()->Picture();
    auto wipeAndPaint = [&] {
        s.sprite.Layer()->Restore(s.form.rect(), QImage(), QRect());
        s.form.repaint();
        return s.sprite.Layer()->Picture();
    };
    EXPECT_NE(wipeAndPaint(), shown);
    s.sprite.SetDrawOptions(ZuDefaultDrawOptions | ZuDrawOptionBit(doAutoRefresh));
    EXPECT_EQ(ImageDiff(wipeAndPaint(), shown), "");
}

TEST(SpriteBackground, NothingIsDrawnOnAFormThatIsNotActive)
{
    TSpriteOnForm s(false);
    bool drawn = true;
    s.sprite.AfterMove = [&](QObject*) { drawn = s.sprite.Layer()->HoldsPixels(); };
    s.Fly(0, 0, 8, 0);
    EXPECT_FALSE(drawn);
    EXPECT_EQ(s.sprite.X(), 8);

    s.sprite.SetDrawOptions(ZuDefaultDrawOptions & ~ZuDrawOptionBit(doWindowActive));
    s.Fly(0, 0, 8, 0);
    EXPECT_TRUE(drawn);
}
