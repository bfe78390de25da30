#include "ui/dialogs/about_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kFelt(0x00, 0x80, 0x00);
const QColor kDarkFelt(0x00, 0x50, 0x10);
const QColor kRed(0xc0, 0x10, 0x20);
const QColor kInk(0x10, 0x10, 0x10);

QPixmap Transparent(int w, int h, qreal ratio)
{
    QPixmap pixmap(QSize(w, h) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QFont SymbolFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// One small card with its suit in the middle, centred on the origin.
void DrawCard(QPainter& p, const QString& suit, const QColor& ink)
{
    const QRectF card(-8.5, -12, 17, 24);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 2, 2);
    p.setPen(ink);
    p.setFont(SymbolFont(12));
    p.drawText(card, Qt::AlignCenter, suit);
}

} // namespace

QPixmap CardFanPicture(qreal DevicePixelRatio)
{
    QPixmap pixmap = Transparent(61, 30, DevicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A strip of felt under the fan ties it to the table.
    p.setPen(Qt::NoPen);
    p.setBrush(kFelt);
    p.drawRoundedRect(QRectF(4, 20, 53, 9), 4.5, 4.5);
    struct Fanned {
        qreal x, angle;
        QString suit;
        QColor ink;
    };
    const Fanned cards[] = { { 20, -20, QStringLiteral("\u2663"), kInk },
        { 30.5, 0, QStringLiteral("\u2665"), kRed }, { 41, 20, QStringLiteral("\u2666"), kRed } };
    for (const Fanned& card : cards) {
        p.save();
        p.translate(card.x, 16);
        p.rotate(card.angle);
        DrawCard(p, card.suit, card.ink);
        p.restore();
    }
    return pixmap;
}

QPixmap LogoPicture(qreal DevicePixelRatio)
{
    QPixmap pixmap = Transparent(110, 20, DevicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The mail link overlaps the picture's last pixels, so it ends at 16.
    const QRectF ribbon(1, 1, 108, 15);
    QLinearGradient shade(ribbon.topLeft(), ribbon.bottomLeft());
    shade.setColorAt(0, kFelt.lighter(130));
    shade.setColorAt(1, kDarkFelt);
    p.setPen(QPen(kDarkFelt, 1));
    p.setBrush(shade);
    p.drawRoundedRect(ribbon, 7.5, 7.5);

    p.setPen(Qt::white);
    p.setFont(SymbolFont(11, true));
    p.drawText(ribbon, Qt::AlignCenter, QStringLiteral("ZAVIKO"));
    // Suits in white discs at both ends, as card corners would show them.
    const std::pair<qreal, QString> ends[]
        = { { 9, QStringLiteral("\u2663") }, { 101, QStringLiteral("\u2665") } };
    for (const auto& [x, suit] : ends) {
        const QRectF disc(x - 6, 2.5, 12, 12);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(disc);
        p.setPen(suit == QStringLiteral("\u2665") ? kRed : kInk);
        p.setFont(SymbolFont(10));
        p.drawText(disc, Qt::AlignCenter, suit);
    }
    return pixmap;
}
