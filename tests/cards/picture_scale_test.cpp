// Pictures drawn for a view that shows the cards larger, and the controls
// that keep their off-screen pictures at that scale.
#include "cards/zucard.h"
#include "cards/zugraphics.h"

#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TPictureUser {
    TPictureUser()
    {
        SetCardPictureScale(1);
        AcquireCardPictures();
    }
    ~TPictureUser() { ReleaseCardPictures(); }
};

bool Transparent(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) == 0;
}

} // namespace

TEST(PictureScale, AnyScaleDrawsTheWholePictureAtThatSizeKeyedAndOutlined)
{
    TPictureUser user;
    const QImage* base = CardPicture(30);
    EXPECT_EQ(CardPictureForScale(base, 1.0), base) << "its own scale: the picture itself";
    for (qreal scale : { 1.5, 1.85, 2.0, 3.25 }) {
        SCOPED_TRACE(scale);
        const QImage* p = CardPictureForScale(base, scale);
        ASSERT_NE(p, base);
        ASSERT_FALSE(p->isNull());
        EXPECT_EQ(p->size(), QSize(qRound(71 * scale), qRound(96 * scale)));
        EXPECT_DOUBLE_EQ(p->devicePixelRatio(), scale);
        EXPECT_EQ(p->deviceIndependentSize().toSize(), QSize(71, 96));
        // The corner pixel outside the bevel is transparent at every scale,
        // the edge beside it black, the middle opaque.
        EXPECT_TRUE(Transparent(*p, 0, 0));
        EXPECT_TRUE(Transparent(*p, p->width() - 1, p->height() - 1));
        EXPECT_EQ(p->pixel(p->width() / 2, 0), qRgb(0, 0, 0));
        EXPECT_EQ(p->pixel(0, p->height() / 2), qRgb(0, 0, 0));
        EXPECT_EQ(qAlpha(p->pixel(p->width() / 2, p->height() / 2)), 255);
        EXPECT_EQ(CardPictureForScale(base, scale), p) << "drawn once, then kept";
    }
    // At a whole scale the library's own drawing at that scale agrees.
    SetCardPictureScale(2);
    ReleaseCardPictures();
    AcquireCardPictures();
    const QImage twice = *CardPicture(30);
    SetCardPictureScale(1);
    ReleaseCardPictures();
    AcquireCardPictures();
    const QImage* drawn = CardPictureForScale(CardPicture(30), 2.0);
    EXPECT_EQ(drawn->convertToFormat(QImage::Format_ARGB32),
        twice.convertToFormat(QImage::Format_ARGB32));
}

// A view at another scale asks for a card by its number or its place in the
// table: the picture at the library's own scale is never drawn for it, so a
// match at a large window holds each card once.
TEST(PictureScale, ACardAtAnotherScaleNeverDrawsItsOwnScalePicture)
{
    TPictureUser user;
    if (CardPictureDrawn(31)) GTEST_SKIP() << "this library draws every picture at the start";
    const QImage* byNumber = CardPictureAt(31, 1.85);
    const QImage* bySlot = CardPictureForScale(CardPictureSlot(32), 1.85);
    for (const QImage* p : { byNumber, bySlot }) {
        ASSERT_FALSE(p->isNull());
        EXPECT_DOUBLE_EQ(p->devicePixelRatio(), 1.85);
    }
    EXPECT_EQ(CardPictureAt(31, 1.85), byNumber) << "drawn once, then kept";
    EXPECT_FALSE(CardPictureDrawn(31));
    EXPECT_FALSE(CardPictureDrawn(32));
    // At its own scale, or read for its pixels, the place is the picture.
    EXPECT_EQ(CardPictureAt(33, 1.0), CardPicture(33));
    EXPECT_EQ(DrawnCardPicture(CardPictureSlot(34)), CardPicture(34));
    EXPECT_FALSE(CardPictureSlot(34)->isNull());
}

TEST(PictureScale, AGroupKeepsItsPictureAtItsViewScaleAndRedrawsItsCards)
{
    TPictureUser user;
    QWidget form;
    TZuCardGroup group(&form);
    group.SetAutoSize(true);
    group.SetShowBack(false);
    for (int i = 0; i < 3; ++i)
        group.CardList().Add().Card().SetID(2 + i);
    group.RedrawCards(false);
    const QSize logical = group.BitmapSize();
    const qreal base = group.Bitmap().devicePixelRatio();
    const QRgb middleAt1 = group.Bitmap().pixel(QPoint(35, 48) * base);

    group.SetViewScale(2.5);
    EXPECT_DOUBLE_EQ(group.ViewScale(), 2.5);
    EXPECT_DOUBLE_EQ(group.Bitmap().devicePixelRatio(), base * 2.5);
    EXPECT_EQ(group.BitmapSize(), logical) << "the layout stays in card units";
    EXPECT_EQ(group.size(), logical);
    // The cards are drawn again, from the pictures drawn at that scale.
    const QImage* face = CardPictureForScale(group.CardAt(0)->Picture(), base * 2.5);
    const QPoint inside(std::lround(20 * base * 2.5), std::lround(30 * base * 2.5));
    EXPECT_EQ(group.Bitmap().pixel(inside), face->pixel(inside));
    EXPECT_NE(group.Bitmap().pixel(QPoint(35, 48) * base * 2.5), group.BrushColor().rgb());

    group.SetViewScale(0.5);
    EXPECT_DOUBLE_EQ(group.ViewScale(), 1.0) << "never below 1";
    EXPECT_EQ(group.Bitmap().pixel(QPoint(35, 48) * base), middleAt1);
}
