#pragma once

#include "cards/card/zucard_types.h"

#include <QImage>
#include <QString>

#include <stdexcept>
#include <vector>

// The process-wide card picture table: picture 1 is empty, 2..55 the faces by
// card ID, 56..70 the backs in back-type order. The first user loads the
// card-image library and checks that it has every picture; each picture is
// drawn from it when first asked for, on any thread. The last user frees them.
constexpr int ZuPictureCount = 70;
constexpr int ZuFirstBackPicture = 56;

// Raised when the image library cannot be loaded or lacks a picture.
class EResNotFound : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void AcquireCardPictures();
// The last user's release first waits for the pictures being drawn ahead.
void ReleaseCardPictures();
int CardPictureUsers();

// Draws the pictures `numbers` (in that order) on a thread of its own, so a
// paint that shows them soon finds them drawn. Whichever thread asks for a
// picture first draws it, the same picture either way; a second call ends the
// first's drawing at its next picture. Needs a user; does nothing when every
// picture was drawn at the start or the system refuses the thread.
void DrawCardPicturesAhead(std::vector<int> numbers);
// The same for the pictures at another scale (CardPictureForScale's), once a
// view has settled on it: a table made larger draws each card at the new size
// once, and a frame that asks for several at once would wait for them all.
void DrawScaledPicturesAhead(std::vector<int> numbers, qreal scale);

// The picture with the given number (1..70); keyed-out background, outline drawn.
// The pointer stays the same while the table has users.
const QImage* CardPicture(int number);
// The scale the library draws its pictures at (1 or 2).
qreal CardPictureScale();
// Picture `number`'s place in the table, the pointer CardPicture gives, not
// drawn: for a caller that hands it on to CardPictureForScale (a flight's
// picture), so a view showing the cards at another scale never draws them at
// the library's own. A reader of its pixels goes through DrawnCardPicture.
const QImage* CardPictureSlot(int number);
// `picture` itself, drawn first when it is a place of the table not drawn yet.
const QImage* DrawnCardPicture(const QImage* picture);
// Whether picture `number` has been drawn (always, for a library that cannot
// tell what it has without drawing it).
bool CardPictureDrawn(int number);

inline int BackPictureNumber(TZuCardBackType back)
{
    return ZuFirstBackPicture + back;
}

// The same picture drawn for a target whose device pixel ratio is `scale` (a
// view that shows the cards larger): `picture` itself when it has that ratio
// already, else the picture drawn anew at that scale on first use and kept
// until another scale is asked for or the table is freed. Raises EResNotFound
// as the loading does.
const QImage* CardPictureForScale(const QImage* picture, qreal scale);
// The same for picture `number`: at another scale than the library's own,
// only the picture at that scale is drawn.
const QImage* CardPictureAt(int number, qreal scale);

// The pictures at another scale drawn with their corners rounded to
// `radius` pixels (0, the default: as the library draws them), for a look
// whose every card is rounded: the pictures are then held once, rounded,
// not beside a rounded copy of each. A change drops those drawn before.
void SetScaledPictureCorners(int radius);
// Whether `picture` is one of those, rounded to `radius`.
bool ScaledPictureRounded(const QImage* picture, int radius);

// The library's resource identifier for a picture number 2..70.
int CardPictureResource(int pictureNumber);

// Where the library is looked for: the program's folder and the plain name
// "zucards" unless a test points elsewhere. An empty path restores the default.
void SetCardPictureLibrary(const QString& path);
QString CardPictureLibrary();

// The pixel scale the next load uses: 1 or 2, or 0 to follow the screens
// (2 when any screen has a device pixel ratio above 1).
void SetCardPictureScale(int scale);
