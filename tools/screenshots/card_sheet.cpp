// Writes cards_1x.png and cards_2x.png: all 69 pictures of the picture table on
// the table's green, thirteen to a row so that each suit fills one row.
#include "cards/pictures/zucard_pictures.h"

#include "tools/screenshots/sheet_program.h"
#include "tools/screenshots/sheets.h"

#include <QPainter>

#include <cstdio>

namespace {

constexpr int FirstPicture = 2; // picture 1 is the empty one
constexpr int Columns = 13;
constexpr int Gap = 8;
const QColor TableGreen(0x00, 0x80, 0x00);

// Drawn in card units on a sheet of the pictures' own pixel scale, as the game draws them.
QImage cardSheet(int scale)
{
    const int count = ZuPictureCount - FirstPicture + 1;
    const int rows = (count + Columns - 1) / Columns;
    const QSize cell(ZuCardWidth + Gap, ZuCardHeight + Gap);
    QImage sheet((Columns * cell.width() + Gap) * scale, (rows * cell.height() + Gap) * scale,
        QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(scale);
    sheet.fill(TableGreen);
    QPainter painter(&sheet);
    for (int index = 0; index < count; ++index) {
        const QPoint at(
            Gap + index % Columns * cell.width(), Gap + index / Columns * cell.height());
        painter.drawImage(at, *CardPicture(FirstPicture + index));
    }
    return sheet;
}

// cards_1x.png and cards_2x.png, or false with a reason in `error`.
bool WriteCardSheets(const QDir& folder, QString* error)
{
    for (const int scale : { 1, 2 }) {
        SetCardPictureScale(scale);
        try {
            AcquireCardPictures();
        } catch (const EResNotFound& e) {
            *error = QString::fromUtf8(e.what());
            return false;
        }
        const QImage sheet = cardSheet(scale);
        ReleaseCardPictures();
        const QString path = folder.filePath(QStringLiteral("cards_%1x.png").arg(scale));
        if (!sheet.save(path)) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
    }
    SetCardPictureScale(0);
    return true;
}

} // namespace

int RunCardSheet(int argc, char** argv)
{
    TSheetProgram program(argc, argv, snNothing);
    if (!program.Ready()) return 1;
    QString error;
    if (!WriteCardSheets(program.Dir(), &error)) {
        std::fprintf(stderr, "%s cards: %s\n", argv[0], qPrintable(error));
        return 1;
    }
    std::printf("cards sheet written to %s\n", qPrintable(program.Dir().absolutePath()));
    return 0;
}
