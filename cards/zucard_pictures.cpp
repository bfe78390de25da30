#include "cards/zucard_pictures.h"

#include "cards/zucard_picture_loader.h"

#include <array>

namespace {

struct TPictureTable {
    std::array<QImage, ZuPictureCount + 1> pictures; // index 0 unused
    int users = 0;
    QString library;
    int scale = 0; // 0: as the screen asks
    // The pictures drawn for one other scale, on demand.
    std::array<QImage, ZuPictureCount + 1> scaled;
    qreal scaledAt = 0;
};

TPictureTable& Table()
{
    static TPictureTable table;
    return table;
}

} // namespace

int CardPictureResource(int pictureNumber)
{
    const int p = pictureNumber;
    if (p == 14) return 1; // aces come first in the library's suits
    if (p == 27) return 14;
    if (p == 40) return 40;
    if (p == 53) return 27;
    if (p >= 28 && p <= 39) return p + 13; // the library has hearts before spades
    if (p >= 41 && p <= 52) return p - 13;
    if (p >= 54) return p - 1;
    return p;
}

void AcquireCardPictures()
{
    TPictureTable& table = Table();
    if (table.users == 0) {
        // Load into a scratch table first, so a failure leaves nothing half loaded.
        std::array<QImage, ZuPictureCount + 1> loaded;
        LoadCardPictures(CardPictureLibrary(), table.scale, loaded);
        table.pictures.swap(loaded);
    }
    ++table.users;
}

void ReleaseCardPictures()
{
    TPictureTable& table = Table();
    if (table.users == 0) return;
    if (--table.users == 0) {
        table.pictures.fill(QImage());
        table.scaled.fill(QImage());
    }
}

int CardPictureUsers()
{
    return Table().users;
}

const QImage* CardPicture(int number)
{
    if (number < 1 || number > ZuPictureCount) number = 1;
    return &Table().pictures[number];
}

const QImage* CardPictureForScale(const QImage* picture, qreal scale)
{
    TPictureTable& table = Table();
    const std::ptrdiff_t number = picture - table.pictures.data();
    if (!picture || number < 2 || number > ZuPictureCount || picture->isNull()
        || qFuzzyCompare(picture->devicePixelRatio(), scale) || scale < 1.0)
        return picture;
    if (!qFuzzyCompare(table.scaledAt, scale)) {
        table.scaled.fill(QImage());
        table.scaledAt = scale;
    }
    QImage& scaled = table.scaled[number];
    if (scaled.isNull()) scaled = LoadScaledCardPicture(CardPictureLibrary(), int(number), scale);
    return &scaled;
}

void SetCardPictureLibrary(const QString& path)
{
    Table().library = path;
}

QString CardPictureLibrary()
{
    const QString& path = Table().library;
    return path.isEmpty() ? DefaultCardPictureLibrary() : path;
}

void SetCardPictureScale(int scale)
{
    Table().scale = scale;
}
