#include "cards/zucard.h"
#include "cards/pictures/zucard_picture_loader.h"
#include "tests/support/fake_card_owner.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <array>
#include <chrono>
#include <cstring>
#include <set>
#include <thread>
#include <vector>

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

// Same format, size, scale and bytes, row padding included.
bool ByteIdentical(const QImage& a, const QImage& b)
{
    return a.format() == b.format() && a.size() == b.size()
        && a.devicePixelRatio() == b.devicePixelRatio() && a.bytesPerLine() == b.bytesPerLine()
        && std::memcmp(a.constBits(), b.constBits(), std::size_t(a.sizeInBytes())) == 0;
}

int PicturesDrawn()
{
    int drawn = 0;
    for (int number = 2; number <= ZuPictureCount; ++number)
        drawn += CardPictureDrawn(number) ? 1 : 0;
    return drawn;
}

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
        EXPECT_EQ(std::string(e.what()).rfind("The card pictures could not be loaded.\n", 0), 0u)
            << e.what();
        EXPECT_NE(std::string(e.what()).find("/nonexistent/folder/zucards"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(CardPictureUsers(), 0);

    // The picture is missed at the start whether the library can tell what it
    // has or has to draw everything to show it.
    for (const char* name : { "partial_image_library", "draw_only_image_library" }) {
        const QString path = QCoreApplication::applicationDirPath() + "/lib" + name + ".so";
        SetCardPictureLibrary(path);
        try {
            TZuSingleCard card(owner);
            ADD_FAILURE() << name << ": a card was made from a library without resource 41";
        } catch (const EResNotFound& e) {
            EXPECT_EQ(std::string(e.what()),
                "Resource 41 not found in card-image library " + path.toStdString())
                << name;
        }
        EXPECT_EQ(CardPictureUsers(), 0) << name;
    }

    SetCardPictureLibrary(QString());
    TZuSingleCard card(owner);
    EXPECT_EQ(CardPictureUsers(), 1);
}

TEST(PictureTable, PicturesDrawnOnFirstUseOnAnyThreadMatchThoseDrawnAllAtOnce)
{
    for (const int scale : { 1, 2 }) {
        SetCardPictureScale(scale);
        std::array<QImage, ZuPictureCount + 1> late;
        {
            TPictureUser user;
            EXPECT_EQ(PicturesDrawn(), 0) << "the start drew pictures nobody asked for";
            // Four threads ask for every picture from different ends at once:
            // each is drawn once and all see the same one.
            std::array<std::array<const QImage*, ZuPictureCount + 1>, 4> seen {};
            std::vector<std::thread> threads;
            for (int t = 0; t < 4; ++t)
                threads.emplace_back([t, &seen] {
                    for (int i = 0; i < ZuPictureCount - 1; ++i) {
                        const int number = 2 + (t % 2 ? ZuPictureCount - 2 - i : i);
                        seen[t][number] = CardPicture(number);
                    }
                });
            for (std::thread& thread : threads)
                thread.join();
            EXPECT_EQ(PicturesDrawn(), ZuPictureCount - 1);
            for (int number = 2; number <= ZuPictureCount; ++number) {
                for (int t = 0; t < 4; ++t)
                    ASSERT_EQ(seen[t][number], CardPicture(number)) << number;
                late[number] = *CardPicture(number);
            }
        }
        std::array<QImage, ZuPictureCount + 1> eager;
        LoadCardPictures(CardPictureLibrary(), scale, eager);
        for (int number = 2; number <= ZuPictureCount; ++number) {
            ASSERT_FALSE(eager[number].isNull()) << number;
            EXPECT_TRUE(ByteIdentical(late[number], eager[number]))
                << "picture " << number << " at scale " << scale;
        }
    }
    SetCardPictureScale(1);
}

TEST(PictureTable, PicturesDrawnAheadAreTheOnesAskedForAsDrawnAllAtOnce)
{
    SetCardPictureScale(1);
    std::array<QImage, ZuPictureCount + 1> eager;
    LoadCardPictures(CardPictureLibrary(), 1, eager);
    {
        TPictureUser user;
        // Numbers outside the table are passed over; one asked for twice is drawn once.
        DrawCardPicturesAhead({ 30, BackPictureNumber(cbCastle), 0, 2, 99, 30 });
        // No deadline is asserted: the loop only waits for the other thread.
        for (int wait = 0; wait < 10000 && PicturesDrawn() < 3; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        EXPECT_EQ(PicturesDrawn(), 3);
        for (int number : { 2, 30, BackPictureNumber(cbCastle) }) {
            ASSERT_TRUE(CardPictureDrawn(number)) << number;
            EXPECT_TRUE(ByteIdentical(*CardPicture(number), eager[number])) << number;
        }
        // A release while a long list is being drawn waits for it and frees all.
        std::vector<int> every;
        for (int number = ZuPictureCount; number >= 2; --number)
            every.push_back(number);
        DrawCardPicturesAhead(every);
    }
    EXPECT_EQ(CardPictureUsers(), 0);
    EXPECT_EQ(PicturesDrawn(), 0);
    EXPECT_TRUE(CardPicture(30)->isNull());
}

// Whether the thread or the paint drew it first, a picture at another scale
// is the one the library draws at that scale, also after the scale changed
// while pictures were being drawn ahead.
TEST(PictureTable, PicturesDrawnAheadAtAScaleAreTheLibrarysAtThatScale)
{
    SetCardPictureScale(1);
    TPictureUser user;
    DrawScaledPicturesAhead({ 30, 2, 99, 45 }, 2.0);
    DrawScaledPicturesAhead({ 45, 30 }, 1.5);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    for (int number : { 45, 30, 2 }) {
        SCOPED_TRACE(number);
        const QImage* shown = CardPictureForScale(CardPicture(number), 1.5);
        EXPECT_DOUBLE_EQ(shown->devicePixelRatio(), 1.5);
        EXPECT_TRUE(
            ByteIdentical(*shown, LoadScaledCardPicture(CardPictureLibrary(), number, 1.5)));
    }
    // At the pictures' own scale nothing is drawn again.
    DrawScaledPicturesAhead({ 30 }, 1.0);
    EXPECT_EQ(CardPictureForScale(CardPicture(30), 1.0), CardPicture(30));
}

TEST(PictureTable, ACardDrawsItsPicturesOnlyWhenTheyAreAskedFor)
{
    SetCardPictureScale(1);
    TFakeCardOwner owner;
    TZuSingleCard card(owner);
    card.SetID(30);
    card.SetCardBack(cbCastle);
    EXPECT_EQ(PicturesDrawn(), 0);
    EXPECT_EQ(card.Picture(), CardPicture(BackPictureNumber(cbCastle))); // face down
    EXPECT_TRUE(CardPictureDrawn(BackPictureNumber(cbCastle)));
    EXPECT_FALSE(CardPictureDrawn(30));
    card.SetShowBack(false);
    EXPECT_EQ(card.Picture(), CardPicture(30));
    EXPECT_EQ(card.Picture()->size(), QSize(71, 96));
    EXPECT_EQ(PicturesDrawn(), 2);
}

TEST(PictureTable, ALibraryThatOnlyDrawsHasEveryPictureDrawnAtTheStart)
{
    // Held open by the test itself, so the setting lasts while the table
    // loads and unloads the library.
    const QString path = QCoreApplication::applicationDirPath() + "/libdraw_only_image_library.so";
    void* library = dlopen(path.toLocal8Bit().constData(), RTLD_NOW);
    ASSERT_NE(library, nullptr) << dlerror();
    using TOffersEverything = void (*)(int);
    const auto offersEverything
        = reinterpret_cast<TOffersEverything>(dlsym(library, "PartialLibraryOffersEverything"));
    ASSERT_NE(offersEverything, nullptr);
    offersEverything(1);
    SetCardPictureScale(1);
    SetCardPictureLibrary(path);
    {
        TPictureUser user;
        EXPECT_EQ(PicturesDrawn(), ZuPictureCount - 1);
        // The stand-in paints each picture in its resource number.
        EXPECT_EQ(CardPicture(28)->pixel(35, 48), qRgb(0, 0, 41));
        EXPECT_EQ(CardPicture(70)->pixel(35, 48), qRgb(0, 0, 69));
    }
    offersEverything(0);
    dlclose(library);
    SetCardPictureLibrary(QString());
}
