#include "ui/window/table_view.h"

#include "ui/diagnostics/flight_figures.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <algorithm>

TTableSurface::TTableSurface()
    : QWidget(nullptr)
{
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
{
    setObjectName(QStringLiteral("TableView"));
    auto* scene = new QGraphicsScene(this);
    FProxy = scene->addWidget(table);
    scene->setSceneRect(QRectF(QPointF(0, 0), table->size()));
    setScene(scene);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignCenter);
    // The keys are the window's, as when the table was a plain widget.
    setFocusPolicy(Qt::NoFocus);
    setBackgroundBrush(table->palette().color(QPalette::Window));
    // Pictures are drawn at the view's scale: copied pixel for pixel, never smoothed.
    setRenderHints(QPainter::TextAntialiasing);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::NoAnchor);
    FSettle.setSingleShot(true);
    FSettle.setInterval(SettleMs);
    connect(&FSettle, &QTimer::timeout, this, &TTableView::SettleNow);
}

qreal TTableView::FitScale(QSize table, QSize area)
{
    if (table.isEmpty()) return 1.0;
    const qreal scale
        = std::min(qreal(area.width()) / table.width(), qreal(area.height()) / table.height());
    return std::max(1.0, scale);
}

QSize TTableView::sizeHint() const
{
    return FTable->size();
}

QSize TTableView::minimumSizeHint() const
{
    return FTable->size();
}

void TTableView::FitTable()
{
    FScale = FitScale(FTable->size(), viewport()->size());
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
    figures.longestPaintNs = std::max(figures.longestPaintNs, timer.nsecsElapsed());
    const qint64 cpuNs = ThreadCpuNs() - cpu;
    figures.longestPaintCpuNs = std::max(figures.longestPaintCpuNs, cpuNs);
    figures.paintCpuNs += cpuNs;
    ++figures.paints;
}

void TTableView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    FitTable();
    if (!qFuzzyCompare(FSettled, FScale)) FSettle.start();
}
