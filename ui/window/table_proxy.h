#pragma once

#include <QGraphicsProxyWidget>

// The table's place in the scaled view. A repaint of several places apart
// (a card leaving one hand, a shadow by another) reaches an item as one
// exposed rectangle round them all; the table is drawn for the places
// themselves, so such a frame does not repaint the table between them.
class TTableProxy : public QGraphicsProxyWidget {
public:
    using QGraphicsProxyWidget::QGraphicsProxyWidget;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
        QWidget* widget = nullptr) override;
};
