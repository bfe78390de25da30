#include "ui/announcer.h"

#include <QAccessible>

TAnnouncer::TAnnouncer(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("Announcer"));
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Shown (a hidden object is not read) but as good as invisible.
    setGeometry(0, 0, 1, 1);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::transparent);
    setPalette(p);
}

void TAnnouncer::Announce(const QString& text)
{
    // The same words twice (two seats laying down the same card) are still
    // two events: the text goes away first.
    if (text == QLabel::text()) QLabel::clear();
    setText(text);
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
