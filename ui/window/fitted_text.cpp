#include "ui/window/fitted_text.h"

#include <QFontMetrics>
#include <QLabel>

QString FittedText(const QString& text, const QFont& font, int width)
{
    return QFontMetrics(font).elidedText(text, Qt::ElideRight, width);
}

namespace {

// What QLabel leaves of its width for a left-aligned line: the contents less
// the margins and, on a framed label without an indent of its own, half an "x".
int TextRoom(const QLabel* label)
{
    int indent = label->indent();
    if (indent < 0)
        indent = label->frameWidth() > 0
            ? QFontMetrics(label->font()).horizontalAdvance(QLatin1Char('x')) / 2
            : 0;
    return label->contentsRect().width() - 2 * label->margin() - indent;
}

} // namespace

void ShowFitted(QLabel* label, const QString& text)
{
    ShowFitted(label, text, TextRoom(label));
    // A screen reader reads the whole text, not the cut one.
    label->setAccessibleName(label->text() == text ? QString() : text);
}

void ShowFitted(QLabel* label, const QString& text, int width)
{
    const QString shown = FittedText(text, label->font(), width);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}
