#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <memory>

class QLibrary;

// The program folder's card-image library, by its plain name.
QString DefaultCardPictureLibrary();

// The image library, open, with the entry points this program reads. Every
// failure raises EResNotFound naming the library file (and the resource
// identifier, when one picture is missing).
class TCardPictureSource {
public:
    // Loads the library at `library`; scale 0 follows the screens.
    TCardPictureSource(const QString& library, int scale);
    ~TCardPictureSource();
    TCardPictureSource(const TCardPictureSource&) = delete;
    TCardPictureSource& operator=(const TCardPictureSource&) = delete;

    // True when the library can tell whether it has a picture without drawing it.
    bool CanCheck() const { return FHas != nullptr; }
    // Raises for the first picture 2..70 the library lacks at this scale; needs CanCheck.
    void CheckAll() const;
    // Picture `number` (2..70), keyed and outlined; raises when the library refuses it.
    QImage Draw(int number) const;
    int Scale() const { return FScale; }

private:
    using TDrawBitmap = int (*)(int, int, unsigned char*, int);
    using THasBitmap = int (*)(int, int);

    std::unique_ptr<QLibrary> FLibrary;
    QString FFile;
    TDrawBitmap FDraw = nullptr;
    THasBitmap FHas = nullptr; // offered by newer libraries only
    int FScale = 1;
};

// Loads pictures 2..70 from the image library at `library` into `pictures`
// (index = picture number; 1 stays a null picture), keyed and outlined, and
// unloads the library again. Scale 0 follows the screens.
void LoadCardPictures(const QString& library, int scale, std::array<QImage, 71>& pictures);

// Keys out the transparent colour and draws the card outline with bevelled
// corners, in logical 71 x 96 units whatever the picture's scale.
void PrepareCardPicture(QImage& picture, QRgb transparent, qreal scale);

// Picture `number` (2..70) drawn at any scale from 1 to 16, keyed and outlined,
// with that device pixel ratio: for a view that shows the cards larger.
QImage LoadScaledCardPicture(const QString& library, int number, qreal scale);
