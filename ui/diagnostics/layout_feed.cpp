#include "ui/diagnostics/layout_feed.h"

#include "cards/zucard.h"
#include "ui/window/main_window.h"
#include "ui/window/table_view.h"

#include <QEvent>
#include <QFile>
#include <QSaveFile>

namespace {

// A point of the table in the window's coordinates.
QPoint InWindow(const TForm1& form, QPoint atTable)
{
    const TTableView* view = form.TableView();
    const QPoint inView = view->FromTable(QRect(atTable, QSize(1, 1))).topLeft();
    return view->viewport()->mapTo(&form, inView);
}

QString Numbers(const QList<int>& values)
{
    QStringList words;
    for (int v : values)
        words << QString::number(v);
    return QStringLiteral("(%1)").arg(words.join(QLatin1Char(' ')));
}

} // namespace

QString LiveLayoutReport(const TForm1& form)
{
    const TZuCardGroup& hand = *form.PlayerS;
    QList<int> handXs;
    for (int slot = 0; slot < hand.SlotCount(); ++slot) {
        const TZuSingleCard* card = hand.CardAt(slot);
        const QRect shown = card->BoundsRect();
        // The middle of the strip of the card that shows.
        handXs << (card->Empty() || shown.width() <= 0
                ? -1
                : InWindow(form, hand.pos() + shown.topLeft() + QPoint(shown.width() / 2, 0)).x());
    }
    const int handY = InWindow(form, hand.pos() + QPoint(0, ZuCardHeight / 2)).y();
    QList<int> slotXs, slotYs;
    for (const TZuCardGroup* row : { form.Talon1, form.Talon2 }) {
        const int slots = row->SlotCount();
        const int step = slots > 1 ? (row->width() - ZuCardWidth) / (slots - 1) : ZuCardWidth;
        // A row stands on its lower edge (a marked card rises above it).
        for (int slot = 0; slot < 6; ++slot) {
            const QPoint middle = InWindow(form,
                row->pos()
                    + QPoint(slot * step + ZuCardWidth / 2, row->height() - ZuCardHeight / 2));
            slotXs << middle.x();
            slotYs << middle.y();
        }
    }
    const int cardH
        = InWindow(form, QPoint(0, ZuCardHeight)).y() - InWindow(form, QPoint(0, 0)).y();
    return QStringLiteral(
        "WIN_W=%1\nWIN_H=%2\nCARD_H=%3\nHAND_XS=%4\nHAND_Y=%5\nSLOT_XS=%6\nSLOT_YS=%7\n")
        .arg(form.width())
        .arg(form.height())
        .arg(cardH)
        .arg(Numbers(handXs))
        .arg(handY)
        .arg(Numbers(slotXs), Numbers(slotYs));
}

std::unique_ptr<TLayoutFeed> TLayoutFeed::FromEnvironment(TForm1* form)
{
    const QString path = qEnvironmentVariable("ZAVIKO_LAYOUT_FEED");
    if (path.isEmpty() || !form->TableView()) return nullptr;
    return std::unique_ptr<TLayoutFeed>(new TLayoutFeed(path, form));
}

TLayoutFeed::TLayoutFeed(const QString& path, TForm1* form)
    : FPath(path)
    , FForm(form)
{
    // The table's cards and the view's size all come to the screen through
    // the viewport's paint.
    form->TableView()->viewport()->installEventFilter(this);
}

bool TLayoutFeed::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        const QString report = LiveLayoutReport(*FForm);
        if (report != FLast) Write(report);
    }
    return QObject::eventFilter(watched, event);
}

void TLayoutFeed::Write(const QString& report)
{
    // Whole or not at all: the script reads it at any moment.
    QSaveFile file(FPath);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(report.toUtf8());
    if (file.commit()) FLast = report;
}
