#pragma once

#include <QGraphicsView>
#include <QTimer>
#include <QWidget>

#include <functional>

class QGraphicsProxyWidget;

// The green table's own widget: a fixed logical size whose children are laid
// out in card units. A press that no card takes (the table itself, or a card
// group, which leaves its presses to its form) goes to OnPress, in table
// coordinates.
class TTableSurface : public QWidget {
    Q_OBJECT
public:
    TTableSurface();
    std::function<void(QPoint at, Qt::MouseButton button)> OnPress;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// Shows the table at any window size: the table keeps its logical layout and
// the view shows it scaled evenly to the largest size that fits, centred on
// the same green. At its smallest the view is exactly the table at 1x. When a
// resize has settled, OnScaleSettled is told the scale so the card controls
// can draw their pictures at it; until then the last pictures are shown.
class TTableView : public QGraphicsView {
    Q_OBJECT
public:
    static constexpr int SettleMs = 120;

    // Takes `table`, which must have no parent, and its fixed size.
    TTableView(TTableSurface* table, QWidget* parent);

    // The scale the table is shown at now (at least 1).
    qreal Scale() const { return FScale; }
    // The scale that fits the table into `area`.
    static qreal FitScale(QSize table, QSize area);
    // A rectangle of the table in the view's coordinates.
    QRect FromTable(const QRect& r) const;
    // A point of the view in the table's coordinates.
    QPoint ToTable(QPoint at) const;
    // Tells OnScaleSettled at once rather than after the resize settles.
    void SettleNow();
    std::function<void(qreal scale)> OnScaleSettled;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Times the paints while cards fly, for the flight figures.
    void paintEvent(QPaintEvent* event) override;

private:
    void FitTable();

    TTableSurface* FTable;
    QGraphicsProxyWidget* FProxy;
    QTimer FSettle;
    qreal FScale = 1.0;
    qreal FSettled = 1.0;
};
