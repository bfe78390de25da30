// The background buffer: the scroll strips on their own, and the sprite's form
// looking as before once the sprite has passed.
#include "tests/cards/sprite_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The original's model: the sprite draws straight on the form's pixels, so a
// read takes whatever the screen shows and a restore writes the buffer back.
class TScreenSurface : public TZuSpriteSurface {
public:
    explicit TScreenSurface(QSize size)
        : clean(PatternImage(size))
        , screen(clean)
    {
    }
    QImage ReadForm(const QRect& rect) override
    {
        reads.push_back(rect);
        QImage part(rect.size(), QImage::Format_ARGB32_Premultiplied);
        part.fill(Qt::transparent);
        QPainter painter(&part);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), screen, rect);
        return part;
    }
    void Restore(const QRect& formRect, const QImage& background, const QRect& source) override
    {
        restores.push_back(formRect);
        QPainter painter(&screen);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(formRect.topLeft(), background, source);
    }
    void Draw(const QImage& picture, QPoint at)
    {
        QPainter painter(&screen);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(at, picture);
    }

    QImage clean, screen;
    std::vector<QRect> reads, restores;
};

// Plays a sprite by hand over the screen surface: a move scrolls, then draws.
struct TScreenSprite {
    TScreenSurface surface { QSize(300, 200) };
    TZuSpriteBackground background;
    QImage picture = PatternImage(QSize(30, 20)).mirrored(true, true);
    QPoint at { 100, 80 };

    TScreenSprite()
    {
        background.Save(surface, QRect(at, picture.size()));
        surface.Draw(picture, at);
    }
    bool MoveBy(int dx, int dy)
    {
        surface.reads.clear();
        surface.restores.clear();
        const bool fresh = background.Scroll(surface, at, dx, dy);
        at += QPoint(dx, dy);
        if (fresh) background.Save(surface, QRect(at, picture.size()));
        surface.Draw(picture, at);
        return fresh;
    }
    QImage CleanUnderSprite() const { return surface.clean.copy(QRect(at, picture.size())); }
    QImage ScreenExpected() const
    {
        QImage expected = surface.clean;
        QPainter painter(&expected);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(at, picture);
        return expected;
    }
};

} // namespace

TEST(SpriteBackground, EachScrollDirectionKeepsTheBufferEqualToTheFormUnderTheSprite)
{
    TScreenSprite s;
    ASSERT_EQ(s.background.Image(), s.CleanUnderSprite());
    const QPoint moves[] = { { 5, 0 }, { -7, 0 }, { 0, 9 }, { 0, -3 }, { 29, 0 }, { -29, 0 },
        { 0, 19 }, { 0, -19 }, { 1, 0 }, { 0, -1 } };
    for (QPoint m : moves) {
        EXPECT_FALSE(s.MoveBy(m.x(), m.y())) << m.x() << "," << m.y();
        EXPECT_EQ(ImageDiff(s.background.Image(), s.CleanUnderSprite()), "")
            << m.x() << "," << m.y();
        EXPECT_EQ(ImageDiff(s.surface.screen, s.ScreenExpected()), "") << m.x() << "," << m.y();
    }
}

TEST(SpriteBackground, AMoveReadsAndRestoresOnlyTheUncoveredStrips)
{
    TScreenSprite s; // 30 × 20 at (100, 80)
    s.MoveBy(5, 0);
    EXPECT_EQ(s.surface.restores, std::vector<QRect> { QRect(100, 80, 5, 20) });
    EXPECT_EQ(s.surface.reads, std::vector<QRect> { QRect(130, 80, 5, 20) });
    s.MoveBy(-7, 0); // from (105, 80)
    EXPECT_EQ(s.surface.restores, std::vector<QRect> { QRect(128, 80, 7, 20) });
    EXPECT_EQ(s.surface.reads, std::vector<QRect> { QRect(98, 80, 7, 20) });
    s.MoveBy(0, 6); // from (98, 80)
    EXPECT_EQ(s.surface.restores, std::vector<QRect> { QRect(98, 80, 30, 6) });
    EXPECT_EQ(s.surface.reads, std::vector<QRect> { QRect(98, 100, 30, 6) });
    s.MoveBy(0, -4); // from (98, 86)
    EXPECT_EQ(s.surface.restores, std::vector<QRect> { QRect(98, 102, 30, 4) });
    EXPECT_EQ(s.surface.reads, std::vector<QRect> { QRect(98, 82, 30, 4) });
}

TEST(SpriteBackground, AJumpThatLeavesTheOldPlaceRestoresItAllAndSavesAfresh)
{
    TScreenSprite s;
    EXPECT_TRUE(s.MoveBy(30, 0));
    EXPECT_EQ(s.surface.restores, std::vector<QRect> { QRect(100, 80, 30, 20) });
    EXPECT_EQ(ImageDiff(s.background.Image(), s.CleanUnderSprite()), "");
    EXPECT_EQ(ImageDiff(s.surface.screen, s.ScreenExpected()), "");
    EXPECT_TRUE(s.MoveBy(-40, -25));
    EXPECT_EQ(ImageDiff(s.background.Image(), s.CleanUnderSprite()), "");
    EXPECT_EQ(ImageDiff(s.surface.screen, s.ScreenExpected()), "");
    // No move at all asks for a fresh save and restores nothing.
    EXPECT_TRUE(s.MoveBy(0, 0));
    EXPECT_TRUE(s.surface.restores.empty());
}

TEST(SpriteBackground, AnEmptyBufferAlwaysAsksForAFreshSave)
{
    TScreenSurface surface(QSize(50, 50));
    TZuSpriteBackground background;
    EXPECT_TRUE(background.Scroll(surface, QPoint(10, 10), 1, 0));
    EXPECT_TRUE(surface.restores.empty());
    background.Save(surface, QRect(10, 10, 0, 0));
    EXPECT_EQ(background.Size(), QSize(0, 0));
}

// The real sprite over a real form with children: after every move the buffer
// holds the form's pixels under the sprite, the layer only the picture.
TEST(SpriteBackground, SpriteOverAFormKeepsTheFormPixelsUnderItAndLeavesNoTrace)
{
    TPatternForm form(QSize(360, 260));
    auto* label = new QLabel(QStringLiteral("Zaviko"), &form);
    label->setGeometry(60, 50, 120, 30);
    auto* button = new QPushButton(QStringLiteral("Deal"), &form);
    button->setGeometry(150, 70, 80, 30);
    ShowActive(form);
    const QImage before = Screen(form);
    TZuSprite sprite(&form);
    const QImage card = CardPictureForTest();
    auto check = [&](const char* what) {
        const QPoint at(sprite.X(), sprite.Y());
        EXPECT_EQ(ImageDiff(sprite.Background(), before.copy(QRect(at, card.size()))), "") << what;
        EXPECT_EQ(ImageDiff(sprite.Layer()->Picture(), LayerWithPicture(form.size(), card, at)), "")
            << what;
        EXPECT_EQ(ImageDiff(Screen(form), WithPicture(before, card, at)), "") << what;
    };
    sprite.SetBitmap(card);
    sprite.SetX(50);
    sprite.SetY(40);
    sprite.SetVisible(true);
    check("shown");
    sprite.SetX(56);
    check("dx > 0");
    sprite.SetX(47);
    check("dx < 0");
    sprite.SetY(52);
    check("dy > 0");
    sprite.SetY(45);
    check("dy < 0");
    sprite.SetX(200);
    check("jump");
    sprite.SetVisible(false);
    EXPECT_EQ(sprite.Background().size(), QSize(0, 0));
    EXPECT_FALSE(sprite.Layer()->HoldsPixels());
    EXPECT_EQ(ImageDiff(Screen(form), before), "");
}

TEST(SpriteBackground, AFlightOverAPatternedFormLeavesItAsBefore)
{
    for (TZuDrawOptions options :
        { ZuDefaultDrawOptions, ZuDefaultDrawOptions | ZuDrawOptionBit(doAutoRefresh) }) {
        TPatternForm form(QSize(300, 220));
        ShowActive(form);
        const QImage before = Screen(form);
        TZuSprite sprite(&form);
        sprite.SetDrawOptions(options);
        sprite.SetIncrementX(7);
        sprite.SetIncrementY(3);
        const QImage card = CardPictureForTest();
        int wrongSteps = 0;
        sprite.AfterStep = [&](QObject*) {
            const QPoint at(sprite.X(), sprite.Y());
            if (sprite.Background() != before.copy(QRect(at, card.size()))
                || sprite.Layer()->Picture() != LayerWithPicture(form.size(), card, at)
                || Screen(form) != WithPicture(before, card, at))
                ++wrongSteps;
        };
        sprite.Fly(10, 100, 200, 20, &card, false);
        sprite.Fly(200, 20, 30, 110, &card, false);
        EXPECT_EQ(wrongSteps, 0) << options;
        EXPECT_EQ(ImageDiff(Screen(form), before), "") << options;
    }
}

TEST(SpriteBackground, WithoutAutoEraseTheTrailGoesWhenTheSpriteHides)
{
    TPatternForm form;
    ShowActive(form);
    const QImage before = Screen(form);
    TZuSprite sprite(&form);
    sprite.SetDrawOptions(ZuDefaultDrawOptions & ~ZuDrawOptionBit(doAutoErase));
    const QImage card = CardPictureForTest();
    bool trail = false;
    sprite.AfterMove
        = [&](QObject*) { trail = Screen(form).pixel(12, 50) != before.pixel(12, 50); };
    sprite.Fly(10, 10, 30, 10, &card, false);
    EXPECT_TRUE(trail);
    EXPECT_EQ(ImageDiff(Screen(form), before), "");
}

TEST(SpriteBackground, TheBufferLeavesOutTheSpriteLayers)
{
    TPatternForm form;
    auto* label = new QLabel(QStringLiteral("under"), &form);
    label->setGeometry(20, 20, 100, 40);
    auto* panel = new QWidget(&form);
    panel->setAutoFillBackground(true);
    panel->setGeometry(140, 100, 120, 80);
    auto* inner = new QPushButton(QStringLiteral("inner"), panel);
    inner->setGeometry(10, 10, 70, 30);
    ShowActive(form);
    const QImage before = Screen(form);
    for (QRect r : { QRect(10, 15, 90, 50), QRect(130, 95, 60, 70), QRect(0, 0, 320, 240) })
        EXPECT_EQ(ImageDiff(ZuRenderForm(&form, r), before.copy(r)), "") << r.x() << "," << r.y();
    // Parts outside the form are transparent.
    const QImage edge = ZuRenderForm(&form, QRect(-5, -5, 20, 20));
    EXPECT_EQ(edge.pixel(0, 0), 0u);
    EXPECT_EQ(edge.pixel(10, 10), before.pixel(5, 5));

    TZuSprite first(&form), second(&form);
    const QImage card = CardPictureForTest();
    first.SetDrawOptions(0);
    second.SetDrawOptions(0);
    first.Fly(20, 20, 20, 20, &card, true);
    second.Fly(30, 25, 30, 25, &card, true);
    EXPECT_EQ(ImageDiff(second.Background(), before.copy(QRect(30, 25, 71, 96))), "");
}

TEST(SpriteBackground, TheLayerStaysAboveChildrenAddedLater)
{
    TPatternForm form;
    ShowActive(form);
    TZuSprite sprite(&form);
    auto* late = new QLabel(QStringLiteral("late"), &form);
    late->setAutoFillBackground(true);
    late->setGeometry(0, 0, 200, 150);
    late->show();
    const QImage before = Screen(form);
    const QImage card = CardPictureForTest();
    QImage midFlight;
    sprite.AfterMove = [&](QObject*) { midFlight = Screen(form); };
    sprite.Fly(20, 20, 28, 20, &card, false);
    EXPECT_EQ(ImageDiff(midFlight, WithPicture(before, card, QPoint(28, 20))), "");
}

TEST(SpriteBackground, AutoRefreshPutsThePictureBackAfterAFormPaint)
{
    TPatternForm form;
    ShowActive(form);
    TZuSprite sprite(&form);
    const QImage card = CardPictureForTest();
    sprite.Fly(40, 40, 40, 40, &card, true);
    const QImage shown = sprite.Layer()->Picture();
    auto wipeAndPaint = [&] {
        sprite.Layer()->Restore(form.rect(), QImage(), QRect());
        form.repaint();
        return sprite.Layer()->Picture();
    };
    EXPECT_NE(wipeAndPaint(), shown);
    sprite.SetDrawOptions(ZuDefaultDrawOptions | ZuDrawOptionBit(doAutoRefresh));
    EXPECT_EQ(ImageDiff(wipeAndPaint(), shown), "");
}

TEST(SpriteBackground, NothingIsDrawnOnAFormThatIsNotActive)
{
    TPatternForm form;
    TZuSprite sprite(&form);
    const QImage card = CardPictureForTest();
    bool drawn = true;
    sprite.AfterMove = [&](QObject*) { drawn = sprite.Layer()->HoldsPixels(); };
    sprite.Fly(0, 0, 8, 0, &card, false);
    EXPECT_FALSE(drawn);
    EXPECT_EQ(sprite.X(), 8);

    sprite.SetDrawOptions(ZuDefaultDrawOptions & ~ZuDrawOptionBit(doWindowActive));
    sprite.Fly(0, 0, 8, 0, &card, false);
    EXPECT_TRUE(drawn);
}

TEST(SpriteBackground, APictureAtPixelRatioTwoFliesAtItsLogicalSize)
{
    TPatternForm form;
    ShowActive(form);
    const QImage before = Screen(form);
    TZuSprite sprite(&form);
    QImage sharp = CardPictureForTest(QSize(142, 192));
    sharp.setDevicePixelRatio(2);
    sprite.SetBitmap(sharp);
    EXPECT_EQ(sprite.BitmapSize(), QSize(71, 96));
    sprite.SetCursorCenter(true);
    EXPECT_EQ(QPoint(sprite.CursorDeltaX(), sprite.CursorDeltaY()), QPoint(35, 48));
    sprite.AfterMove = [&](QObject*) {
        EXPECT_EQ(ImageDiff(sprite.Background(), before.copy(QRect(30, 20, 71, 96))), "");
        EXPECT_EQ(ImageDiff(sprite.Layer()->Picture(),
                      LayerWithPicture(form.size(), sharp, QPoint(30, 20))),
            "");
    };
    sprite.Fly(10, 20, 30, 20, nullptr, false);
    EXPECT_EQ(ImageDiff(Screen(form), before), "");
}
