#include "ui/dialogs/dialog_font.h"

#include <QStringList>

namespace {
const QStringList kFallbacks = { QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arimo"),
    QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed"),
    QStringLiteral("DejaVu Sans") };
} // namespace

QFont DialogFont()
{
    return DialogFont(QStringLiteral("MS Sans Serif"));
}

QFont DialogFont(const QString& Family)
{
    QFont font;
    font.setFamilies(QStringList { Family } + kFallbacks);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}
