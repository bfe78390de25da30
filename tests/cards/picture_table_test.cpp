#include "cards/zucard.h"
#include "tests/support/fake_card_owner.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <set>

namespace {

// The library keeps its suits in suit-type order (clubs, diamonds, hearts,
// spades), each from the ace.
int LibraryResourceOf(const TZuSingleCard& card)
{
    const int rankIndex = card.Value() == 14 ? 0 : card.Value() - 1;
    return int(card.Suit()) * 13 + rankIndex + 1;
}

bool Transparent(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) == 0;
}

bool Black(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

struct TPictureUser {
    TPictureUser() { AcquireCardPictures(); }
    ~TPictureUser() { ReleaseCardPictures(); }
};

} // namespace

TEST(PictureTable, PictureNumbersMapOntoTheLibrarysOwnOrder)
{
    EXPECT_EQ(CardPictureResource(14), 1);
    EXPECT_EQ(CardPictureResource(28), 41);
    EXPECT_EQ(CardPictureResource(41), 28);
    EXPECT_EQ(CardPictureResource(53), 27);
    EXPECT_EQ(CardPictureResource(54), 53);
    EXPECT_EQ(CardPictureResource(56), 55);
    EXPECT_EQ(CardPictureResource(70), 69);
    EXPECT_EQ(BackPictureNumber(cbDots), 70);

    TFakeCardOwner owner;
    TZuSingleCard card(owner);
    std::set<int> used;
    for (int id = 2; id <= 53; ++id) {
        card.SetID(id);
        EXPECT_EQ(CardPictureResource(id), LibraryResourceOf(card)) << "card " << id;
        used.insert(CardPictureResource(id));
    }
    for (int p = 54; p <= 70; ++p)
        used.insert(CardPictureResource(p));
    EXPECT_EQ(used.size(), 69u); // every resource once
    EXPECT_EQ(*used.begin(), 1);
    EXPECT_EQ(*used.rbegin(), 69);
}

TEST(PictureTable, PicturesAreKeyedAndOutlinedWithBevelledCorners)
{
    SetCardPictureScale(1);
    TPictureUser user;
    for (int number : { 2, 14, 41, 54, 56, 65, 70 }) {
        const QImage& p = *CardPicture(number);
        ASSERT_EQ(p.size(), QSize(71, 96)) << number;
        for (auto [x, y] : { std::pair { 0, 0 }, { 1, 0 }, { 0, 1 }, { 69, 0 }, { 70, 0 },
                 { 70, 1 }, { 0, 94 }, { 0, 95 }, { 1, 95 }, { 69, 95 }, { 70, 95 }, { 70, 94 } })
            EXPECT_TRUE(Transparent(p, x, y)) << number << " at " << x << "," << y;
        for (auto [x, y] : { std::pair { 2, 0 }, { 35, 0 }, { 68, 0 }, { 69, 1 }, { 70, 2 },
                 { 70, 50 }, { 70, 93 }, { 69, 94 }, { 68, 95 }, { 2, 95 }, { 1, 94 }, { 0, 93 },
                 { 0, 40 }, { 1, 1 } })
            EXPECT_TRUE(Black(p, x, y)) << number << " at " << x << "," << y;
    }
    // Inside the outline a face is opaque paper, never the key colour.
    const QImage& face = *CardPicture(30);
    for (int y = 1; y < 95; ++y) {
        for (int x = 1; x < 70; ++x) {
            const bool bevel = (x == 1 || x == 69) && (y == 1 || y == 94);
            if (!bevel) {
                ASSERT_EQ(qAlpha(face.pixel(x, y)), 255) << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(CardPicture(1)->isNull());
}

TEST(PictureTable, DoubleScalePicturesKeepLogicalSizeAndOutline)
{
    SetCardPictureScale(2);
    {
        TPictureUser user;
        const QImage& p = *CardPicture(20);
        EXPECT_EQ(p.size(), QSize(142, 192));
        EXPECT_EQ(p.devicePixelRatio(), 2.0);
        EXPECT_EQ(p.deviceIndependentSize().toSize(), QSize(71, 96));
        EXPECT_TRUE(Transparent(p, 1, 1));
        EXPECT_TRUE(Black(p, 4, 0));
        EXPECT_TRUE(Black(p, 5, 1));
        EXPECT_TRUE(Black(p, 2, 2)); // the bevel pixel (1,1) as a 2x2 block
    }
    SetCardPictureScale(1);
}

TEST(PictureTable, LastUserFreesThePicturesAndTheNextLoadsThemAgain)
{
    ASSERT_EQ(CardPictureUsers(), 0);
    {
        TFakeCardOwner owner;
        auto first = std::make_unique<TZuSingleCard>(owner);
        auto second = std::make_unique<TZuSingleCard>(owner);
        EXPECT_EQ(CardPictureUsers(), 2);
        first.reset();
        EXPECT_EQ(CardPictureUsers(), 1);
        EXPECT_FALSE(CardPicture(14)->isNull());
    }
    EXPECT_EQ(CardPictureUsers(), 0);
    EXPECT_TRUE(CardPicture(14)->isNull());

    TFakeCardOwner owner;
    TZuSingleCard again(owner);
    EXPECT_FALSE(again.FaceImage()->isNull());
    EXPECT_EQ(again.FaceImage()->width(), 71);
}

TEST(PictureTable, MissingLibraryOrPictureFailsTheCardAndTheNextCardTriesAgain)
{
    TFakeCardOwner owner;
    SetCardPictureLibrary(QStringLiteral("/nonexistent/folder/zucards"));
    try {
        TZuSingleCard card(owner);
        FAIL() << "a card was made without pictures";
    } catch (const EResNotFound& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/folder/zucards"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(CardPictureUsers(), 0);

    SetCardPictureLibrary(QCoreApplication::applicationDirPath() + "/partial_image_library");
    try {
        TZuSingleCard card(owner);
        FAIL() << "a card was made from a library without resource 41";
    } catch (const EResNotFound& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("Resource 41"), std::string::npos) << message;
        EXPECT_NE(message.find("partial_image_library"), std::string::npos) << message;
    }
    EXPECT_EQ(CardPictureUsers(), 0);

    SetCardPictureLibrary(QString());
    TZuSingleCard card(owner);
    EXPECT_EQ(CardPictureUsers(), 1);
}
