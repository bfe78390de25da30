#include "ui/access/announcer.h"

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
    // The name is set first: it sends the one name change a reader hears,
    // also for the same words twice (two seats laying down the same card),
    // and a label with a name of its own sends nothing more for its text.
    setAccessibleName(text);
    setText(text);
}
