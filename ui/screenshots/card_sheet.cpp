#include "ui/screenshots/card_sheet.h"

#include <QPainter>

namespace {

constexpr int PictureCount = 69;
constexpr int Columns = 13;
constexpr int Gap = 8;
const QColor TableGreen(0x00, 0x80, 0x00);

QImage cardSheet(const CardLibrary& cards, int scale, QString* error)
{
    const int rows = (PictureCount + Columns - 1) / Columns;
    const QSize cell((71 + Gap) * scale, (96 + Gap) * scale);
    QImage sheet(Columns * cell.width() + Gap * scale, rows * cell.height() + Gap * scale,
        QImage::Format_ARGB32);
    sheet.fill(TableGreen);
    QPainter painter(&sheet);
    for (int id = 1; id <= PictureCount; ++id) {
        const QImage picture = cards.picture(id, scale);
        if (picture.isNull()) {
            *error = QStringLiteral("the card library refused picture %1 at scale %2")
                         .arg(id)
                         .arg(scale);
            return {};
        }
        const int index = id - 1;
        const QPoint at(Gap * scale + index % Columns * cell.width(),
            Gap * scale + index / Columns * cell.height());
        painter.drawImage(at, picture);
    }
    return sheet;
}

} // namespace

bool writeCardSheets(const CardLibrary& cards, const QDir& folder, QString* error)
{
    for (const int scale : { 1, 2 }) {
        const QImage sheet = cardSheet(cards, scale, error);
        if (sheet.isNull()) return false;
        const QString path = folder.filePath(QStringLiteral("cards_%1x.png").arg(scale));
        if (!sheet.save(path)) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
    }
    return true;
}
