#pragma once

#include "ui/window/table_felt.h"
#include "ui/window/table_layout.h"

#include <QGraphicsView>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class QGraphicsProxyWidget;

// The green table's own widget: a fixed logical size whose children are laid
// out in card units. A press that no card takes (the table itself, or a card
// group, which leaves its presses to its form) goes to OnPress, in table
// coordinates.
//
// In the modern look the table is felt under a soft light, and each card on
// it casts a soft shadow; the card controls on it are then see-through.
class TTableSurface : public QWidget {
    Q_OBJECT
public:
    TTableSurface();
    std::function<void(QPoint at, Qt::MouseButton button)> OnPress;
    void SetLook(TTableLook look);
    TTableLook Look() const { return FLook; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where the cards on the table lie now, whole, for their shadows.
    std::vector<QRect> CardRects() const;
    // Cards lying elsewhere than the shadows on the cloth were drawn for have
    // the cloth painted anew where either shadow falls, but for `painting`,
    // which the paint under way covers already.
    void RepaintMovedShadows(const QRegion& painting);

    TTableLook FLook = TTableLook::Classic;
    TTableFelt FFelt;
    // The cards whose shadows the cloth shows, or will once the paints
    // already asked for are done.
    std::vector<QRect> FShadows;
};

// Shows the table at any window size: the cards are shown at the scale that
// fits the smallest table into the view, and the table grows on its longer
// side to fill the rest (OnTableResized then places its parts anew). At its
// smallest the view is exactly the table at 1x. When a resize has settled,
// OnScaleSettled is told the scale so the card controls can draw their
// pictures at it; until then the last pictures are shown.
class TTableView : public QGraphicsView {
    Q_OBJECT
public:
    static constexpr int SettleMs = 120;

    // Takes `table`, which must have no parent; its fixed size is the smallest.
    TTableView(TTableSurface* table, QWidget* parent);

    // The scale the table is shown at now (at least 1).
    qreal Scale() const { return FScale; }
    const TTableLayout& Layout() const { return FLayout; }
    // A rectangle of the table in the view's coordinates.
    QRect FromTable(const QRect& r) const;
    // A point of the view in the table's coordinates.
    QPoint ToTable(QPoint at) const;
    // Tells OnScaleSettled at once rather than after the resize settles.
    void SettleNow();
    std::function<void(qreal scale)> OnScaleSettled;
    // The table took a new size: its parts are to be placed for it.
    std::function<void()> OnTableResized;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Times the paints while cards fly, for the flight figures.
    void paintEvent(QPaintEvent* event) override;

private:
    void FitTable();

    TTableSurface* FTable;
    TTableLayout FLayout;
    QGraphicsProxyWidget* FProxy;
    QTimer FSettle;
    qreal FScale = 1.0;
    qreal FSettled = 1.0;
};
