#include "game/controller/game_text_shown.h"

#include <QCoreApplication>

namespace {

// Empty when the translation files do not hold the text.
QString Translation(const std::string& text)
{
    const QString translated = QCoreApplication::translate("GameText", text.c_str());
    return translated == QString::fromStdString(text) ? QString() : translated;
}

} // namespace

QString ShownGameText(const std::string& text)
{
    if (const QString whole = Translation(text); !whole.isEmpty()) return whole;
    const std::size_t space = text.rfind(' ');
    if (space != std::string::npos) {
        const QString form = Translation(text.substr(0, space + 1) + "%1");
        if (!form.isEmpty()) return form.arg(QString::fromStdString(text.substr(space + 1)));
    }
    return QString::fromStdString(text);
}
