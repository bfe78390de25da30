#include "cards/pictures/zucard_picture_loader.h"

#include "cards/pictures/zucard_pictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibrary>
#include <QScreen>

namespace {

using TInterfaceVersion = int (*)();

const QRgb Magenta = qRgb(255, 0, 255);
const QRgb White = qRgb(255, 255, 255);
constexpr int DotsPicture = 70;
constexpr int ReadableInterface = 1; // the library interface this loader speaks

[[noreturn]] void Fail(const QString& text)
{
    throw EResNotFound(text.toStdString());
}

int ScreenScale()
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() > 1.0) return 2;
    return 1;
}

// The device pixels of card unit `unit`: units of any scale tile the picture.
int Pixel(int unit, qreal scale)
{
    return qRound(unit * scale);
}

void FillBlock(QImage& image, int x, int y, qreal scale, QRgb colour)
{
    for (int py = Pixel(y, scale); py < Pixel(y + 1, scale); ++py)
        for (int px = Pixel(x, scale); px < Pixel(x + 1, scale); ++px)
            image.setPixel(px, py, colour);
}

// The outline runs straight along the edges and at 45 degrees across the corners.
void DrawLine(QImage& image, QPoint a, QPoint b, qreal scale)
{
    const int sx = b.x() > a.x() ? 1 : (b.x() < a.x() ? -1 : 0);
    const int sy = b.y() > a.y() ? 1 : (b.y() < a.y() ? -1 : 0);
    for (QPoint p = a;; p += QPoint(sx, sy)) {
        FillBlock(image, p.x(), p.y(), scale, qRgb(0, 0, 0));
        if (p == b) break;
    }
}

[[noreturn]] void FailResource(int resource, const QString& file)
{
    Fail(QCoreApplication::translate(
        "TZuCardPictures", "Resource %1 not found in card-image library %2")
             .arg(resource)
             .arg(file));
}

} // namespace

QString DefaultCardPictureLibrary()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zucards");
}

void PrepareCardPicture(QImage& picture, QRgb transparent, qreal scale)
{
    const QPoint outline[] = { { 2, 0 }, { 68, 0 }, { 70, 2 }, { 70, 93 }, { 68, 95 }, { 2, 95 },
        { 0, 93 }, { 0, 2 }, { 2, 0 } };
    for (std::size_t i = 0; i + 1 < std::size(outline); ++i)
        DrawLine(picture, outline[i], outline[i + 1], scale);
    const QPoint corners[] = { { 0, 0 }, { 1, 0 }, { 0, 1 }, { 69, 0 }, { 70, 0 }, { 70, 1 },
        { 0, 94 }, { 0, 95 }, { 1, 95 }, { 69, 95 }, { 70, 95 }, { 70, 94 } };
    for (const QPoint& p : corners)
        FillBlock(picture, p.x(), p.y(), scale, transparent);

    picture = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(qRed(transparent), qGreen(transparent), qBlue(transparent));
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (line[x] == key) line[x] = 0;
    }
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
}

TCardPictureSource::TCardPictureSource(const QString& library, int scale)
    : FLibrary(std::make_unique<QLibrary>(library))
{
    if (!FLibrary->load())
        Fail(QCoreApplication::translate(
            "TZuCardPictures", "The card pictures could not be loaded.\n%1")
                 .arg(FLibrary->errorString()));
    FFile = FLibrary->fileName();
    auto version
        = reinterpret_cast<TInterfaceVersion>(FLibrary->resolve("ZuCardsInterfaceVersion"));
    FDraw = reinterpret_cast<TDrawBitmap>(FLibrary->resolve("ZuCardsDrawBitmap"));
    if (!version || !FDraw || version() != ReadableInterface)
        Fail(QCoreApplication::translate(
            "TZuCardPictures", "Card-image library %1 offers no card pictures this program reads")
                 .arg(FFile));
    FHas = reinterpret_cast<THasBitmap>(FLibrary->resolve("ZuCardsHasBitmap"));
    FScale = scale > 0 ? scale : ScreenScale();
}

// Drawn pictures are our own copies: they outlive the library.
TCardPictureSource::~TCardPictureSource()
{
    FLibrary->unload();
}

void TCardPictureSource::CheckAll() const
{
    for (int number = 2; number <= ZuPictureCount; ++number) {
        const int resource = CardPictureResource(number);
        if (FHas(resource, FScale) != 0) FailResource(resource, FFile);
    }
}

QImage TCardPictureSource::Draw(int number) const
{
    const int resource = CardPictureResource(number);
    QImage picture(ZuCardWidth * FScale, ZuCardHeight * FScale, QImage::Format_RGB32);
    if (FDraw(resource, FScale, picture.bits(), int(picture.bytesPerLine())) != 0)
        FailResource(resource, FFile);
    PrepareCardPicture(picture, number == DotsPicture ? White : Magenta, FScale);
    return picture;
}

void LoadCardPictures(const QString& library, int scale, std::array<QImage, 71>& pictures)
{
    const TCardPictureSource source(library, scale);
    for (int number = 2; number <= ZuPictureCount; ++number)
        pictures[number] = source.Draw(number);
}

QImage LoadScaledCardPicture(const QString& library, int number, qreal scale)
{
    using TDrawScaled = int (*)(int, double, int, int, unsigned char*, int);
    QLibrary lib(library);
    if (!lib.load())
        Fail(QCoreApplication::translate(
            "TZuCardPictures", "The card pictures could not be loaded.\n%1")
                 .arg(lib.errorString()));
    auto draw = reinterpret_cast<TDrawScaled>(lib.resolve("ZuCardsDrawBitmapScaled"));
    const int resource = CardPictureResource(number);
    QImage picture(Pixel(ZuCardWidth, scale), Pixel(ZuCardHeight, scale), QImage::Format_RGB32);
    if (!draw
        || draw(resource, scale, picture.width(), picture.height(), picture.bits(),
               int(picture.bytesPerLine()))
            != 0)
        Fail(QCoreApplication::translate(
            "TZuCardPictures", "Resource %1 not found in card-image library %2")
                 .arg(resource)
                 .arg(lib.fileName()));
    PrepareCardPicture(picture, number == DotsPicture ? White : Magenta, scale);
    // Qt keeps the library loaded for the next picture as long as the
    // picture table holds it too.
    return picture;
}
