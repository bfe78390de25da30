#include "ui/window/table_view.h"

#include "ui/window/table_proxy.h"

#include "cards/zucard.h"
#include "ui/diagnostics/flight_figures.h"

#include <QDateTime>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TTableSurface::TTableSurface()
    : QWidget(nullptr)
{
}

void TTableSurface::SetLook(TTableLook look)
{
    FLook = look;
    const bool felt = look == TTableLook::Modern;
    setAutoFillBackground(!felt);
    // The felt covers the whole table: nothing is painted under it first.
    setAttribute(Qt::WA_OpaquePaintEvent, felt);
    // The cards' controls tell, as they paint, when their shadows moved.
    for (TZuCustomCardControl* control : findChildren<TZuCustomCardControl*>())
        if (felt)
            control->installEventFilter(this);
        else
            control->removeEventFilter(this);
    FShadows.clear();
    update();
}

std::vector<QRect> TTableSurface::CardRects() const
{
    std::vector<QRect> rects;
    const QSize card(ZuCardWidth, ZuCardHeight);
    for (const TZuCardGroup* group : findChildren<TZuCardGroup*>()) {
        if (group->isHidden()) continue;
        for (int slot = 0; slot < group->SlotCount(); ++slot) {
            const TZuSingleCard* c = group->CardAt(slot);
            if (!c->Empty()) rects.push_back(QRect(group->pos() + c->BoundsRect().topLeft(), card));
        }
    }
    for (const TZuCardDeck* deck : findChildren<TZuCardDeck*>())
        if (!deck->isHidden() && deck->width() > ZuCardWidth)
            rects.push_back(QRect(deck->pos() + QPoint(deck->width() - ZuCardWidth, 0), card)
                                .united(QRect(deck->pos() + QPoint(16, 0), card)));
    return rects;
}

void TTableSurface::paintEvent(QPaintEvent* event)
{
    if (FLook != TTableLook::Modern) {
        QWidget::paintEvent(event);
        return;
    }
    QPainter painter(this);
    // Each rectangle on its own: the paint may join places far apart.
    for (const QRect& area : event->region())
        FFelt.Paint(painter, size(), area);
    RepaintMovedShadows(event->region());
    FFelt.PaintShadows(painter, FShadows, event->region());
}

void TTableSurface::RepaintMovedShadows(const QRegion& painting)
{
    std::vector<QRect> now = CardRects();
    if (now == FShadows) return;
    // Only the moved cards' boxes: a whole-table paint at a maximised window
    // took up to 20 ms, more than a frame of the flights.
    const QRegion changed = TTableFelt::ShadowChanges(FShadows, now) - painting;
    FShadows = std::move(now);
    if (!changed.isEmpty()) update(changed);
}

bool TTableSurface::eventFilter(QObject* watched, QEvent* event)
{
    // A card played, dealt or moved leaves its old shadow behind; a card
    // control tells, as it paints, that the cards may lie elsewhere now.
    if (event->type() == QEvent::Paint && FLook == TTableLook::Modern) RepaintMovedShadows({});
    return QWidget::eventFilter(watched, event);
}

void TTableSurface::mousePressEvent(QMouseEvent* event)
{
    if (OnPress) OnPress(event->position().toPoint(), event->button());
    // Taken here, so the card under the press still gets its release.
    event->accept();
}

TTableView::TTableView(TTableSurface* table, QWidget* parent)
    : QGraphicsView(parent)
    , FTable(table)
    , FLayout(table->size())
{
    setObjectName(QStringLiteral("TableView"));
    auto* scene = new QGraphicsScene(this);
    FProxy = new TTableProxy;
    FProxy->setWidget(table);
    scene->addItem(FProxy);
    scene->setSceneRect(QRectF(QPointF(0, 0), table->size()));
    setScene(scene);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignCenter);
    // The keys are the window's, as when the table was a plain widget.
    setFocusPolicy(Qt::NoFocus);
    setBackgroundBrush(table->palette().color(QPalette::Window));
    // The view's background brush paints every pixel it shows (under the
    // table too: at a fractional scale a card control's edge may leave a
    // pixel column to it), so the viewport and the window under it need not
    // fill first; each fill of a flight frame's areas cost a round of the
    // raster engine's threads.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // Pictures are drawn at the view's scale: copied pixel for pixel, never smoothed.
    setRenderHints(QPainter::TextAntialiasing);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::NoAnchor);
    FSettle.setSingleShot(true);
    FSettle.setInterval(SettleMs);
    connect(&FSettle, &QTimer::timeout, this, &TTableView::SettleNow);
}

QSize TTableView::sizeHint() const
{
    return FLayout.Minimum();
}

QSize TTableView::minimumSizeHint() const
{
    return FLayout.Minimum();
}

void TTableView::FitTable()
{
    const TTableShape shape = FLayout.ShapeFor(viewport()->size());
    if (shape.table != FTable->size()) {
        FTable->setFixedSize(shape.table);
        // The proxy took the table's bounds when it was made: it is given the
        // new ones, or it would go on showing only the table's first size.
        FProxy->setMinimumSize(QSizeF(0, 0));
        FProxy->setMaximumSize(QSizeF(shape.table));
        FProxy->setMinimumSize(QSizeF(shape.table));
        FProxy->resize(QSizeF(shape.table));
        scene()->setSceneRect(QRectF(QPointF(0, 0), shape.table));
        if (OnTableResized) OnTableResized();
    }
    FScale = shape.scale;
    setTransform(QTransform::fromScale(FScale, FScale));
    centerOn(FProxy);
}

QRect TTableView::FromTable(const QRect& r) const
{
    return mapFromScene(QRectF(r)).boundingRect();
}

QPoint TTableView::ToTable(QPoint at) const
{
    return mapToScene(at).toPoint();
}

void TTableView::SettleNow()
{
    FSettle.stop();
    if (qFuzzyCompare(FSettled, FScale)) return;
    FSettled = FScale;
    if (OnScaleSettled) OnScaleSettled(FScale);
}

void TTableView::paintEvent(QPaintEvent* event)
{
    TFlightFigures& figures = FlightFigures();
    if (!figures.flying) {
        QGraphicsView::paintEvent(event);
        return;
    }
    QElapsedTimer timer;
    timer.start();
    const qint64 cpu = ThreadCpuNs();
    QGraphicsView::paintEvent(event);
    const qint64 ns = timer.nsecsElapsed();
    if (ns > figures.longestPaintNs) {
        figures.longestPaintNs = ns;
        const QRect area = event->region().boundingRect();
        figures.longestPaintWidth = area.width();
        figures.longestPaintHeight = area.height();
        figures.longestPaintEpochMs = QDateTime::currentMSecsSinceEpoch();
    }
    const qint64 cpuNs = ThreadCpuNs() - cpu;
    figures.longestPaintCpuNs = std::max(figures.longestPaintCpuNs, cpuNs);
    figures.paintCpuNs += cpuNs;
    figures.paintNs += ns;
    figures.paintsOver16ms += ns > 16'000'000;
    ++figures.paints;
}

void TTableView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    FitTable();
    if (!qFuzzyCompare(FSettled, FScale)) FSettle.start();
}
