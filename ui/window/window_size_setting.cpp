#include "ui/window/window_size_setting.h"

#include "settings/ini_file.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("GameOptions");
const QString kKey = QStringLiteral("WindowSize");
const QString kMaximized = QStringLiteral("maximized");

} // namespace

QString WindowSizeText(const TKeptWindowSize& kept)
{
    QString text = QStringLiteral("%1x%2").arg(kept.size.width()).arg(kept.size.height());
    if (kept.maximized) text += ' ' + kMaximized;
    return text;
}

std::optional<TKeptWindowSize> ParseWindowSize(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,5})x(\\d{1,5})(\\s+maximized)?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width < 1 || height < 1 || width > 32767 || height > 32767) return std::nullopt;
    return TKeptWindowSize { QSize(width, height), match.hasCaptured(3) };
}

std::optional<TKeptWindowSize> ReadWindowSize(const QString& settingsFile)
{
    return ParseWindowSize(TIniFile(settingsFile).ReadString(kSection, kKey, QString()));
}

bool StoreWindowSize(const QString& settingsFile, const TKeptWindowSize& kept)
{
    try {
        TIniFile ini(settingsFile);
        ini.WriteString(kSection, kKey, WindowSizeText(kept));
        ini.UpdateFile();
        return true;
    } catch (const EIniFileException&) {
        return false;
    }
}

QSize FirstWindowSize(QSize minimum, QSize screenArea)
{
    if (minimum.isEmpty() || screenArea.isEmpty()) return minimum;
    // A comfortable share of the screen, the cards then as large as at a
    // reading distance; a wide screen still leaves room beside the window.
    const qreal byHeight = 0.8 * screenArea.height() / minimum.height();
    const qreal byWidth = 0.9 * screenArea.width() / minimum.width();
    const qreal scale = std::min(byHeight, byWidth);
    if (scale <= 1.0) return minimum;
    return QSize(qRound(minimum.width() * scale), qRound(minimum.height() * scale))
        .boundedTo(screenArea)
        .expandedTo(minimum);
}
