#pragma once

#include <QObject>

#include <functional>

class QWidget;

// The dialogs are laid out in pixels for an 11-pixel text. A window whose
// own text has grown opens its dialogs at the same text size: each dialog
// is scaled as a whole as it shows (its text, the places and sizes of its
// controls), so it keeps the proportions it has at 1x.

// Scales `dialog`'s text and the boxes laid out by hand by `factor`.
// Controls a layout places take their size from the grown text.
void ScaleDialog(QWidget* dialog, qreal factor);

// A dialog that draws pictures at their own size (the captured cards) is
// left as it is.
void KeepDialogSize(QWidget* dialog);

// Watches a window for the dialogs (and message boxes) opened over it, and
// over those, and scales each as it shows to `TextScale()`, bounded so the
// dialog still fits its screen. At a scale of 1 nothing changes.
class TDialogScaler : public QObject {
public:
    TDialogScaler(QWidget* window, std::function<qreal()> textScale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Showing(QWidget* dialog);

    std::function<qreal()> FTextScale;
};
