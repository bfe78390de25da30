#pragma once

class QWidget;

// Puts `widget` over its siblings when a shown one stacked above it overlaps
// it; otherwise leaves the stacking as it is. A raise repaints the widget
// even when nothing covered it, and labels raised in turn at every move had
// places far apart on the table repainted together as one rectangle.
void RaiseOverSiblings(QWidget* widget);
