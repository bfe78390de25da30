#pragma once

#include <QObject>
#include <QProxyStyle>

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

// The scale a dialog was shown at (1 for one never scaled), for `widget`
// or any control in it.
qreal DialogScale(const QWidget* widget);

// A window other than a dialog whose text was grown by `scale` (a menu of
// the main window): its check marks grow with it.
void SetTextScale(QWidget* window, qreal scale);

// The style's check boxes and radio buttons in a scaled dialog, and the
// check marks of a scaled menu, draw their marks at that scale, so the box a
// player clicks grows with its caption. Installed on the application before
// any window is made.
class TScaledIndicatorStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
        const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
};

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
    void Resized(QWidget* dialog);

    std::function<qreal()> FTextScale;
};
