#pragma once

#include <QImage>
#include <QString>

#include <array>

// The program folder's card-image library, by its plain name.
QString DefaultCardPictureLibrary();

// Loads pictures 2..70 from the image library at `library` into `pictures`
// (index = picture number; 1 stays a null picture), keyed and outlined.
// Scale 0 follows the screens. Raises EResNotFound naming the library file and
// the resource identifier that failed.
void LoadCardPictures(const QString& library, int scale, std::array<QImage, 71>& pictures);

// Keys out the transparent colour and draws the card outline with bevelled
// corners, in logical 71 x 96 units whatever the picture's scale.
void PrepareCardPicture(QImage& picture, QRgb transparent, qreal scale);

// Picture `number` (2..70) drawn at any scale from 1 to 16, keyed and outlined,
// with that device pixel ratio: for a view that shows the cards larger.
QImage LoadScaledCardPicture(const QString& library, int number, qreal scale);
