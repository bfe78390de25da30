#include "ui/dialogs/dialog_scale.h"

#include <QChildEvent>
#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const char* const kAppliedScale = "zavikoDialogScale";
const char* const kKeepsItsSize = "zavikoKeepsItsSize";

int Scaled(int pixels, qreal factor)
{
    return int(std::lround(pixels * factor));
}

// Edges scaled rather than sizes, so boxes that touch at 1x still touch.
QRect Scaled(const QRect& rect, qreal factor)
{
    const int left = Scaled(rect.left(), factor), top = Scaled(rect.top(), factor);
    return QRect(left, top, Scaled(rect.x() + rect.width(), factor) - left,
        Scaled(rect.y() + rect.height(), factor) - top);
}

QFont Scaled(QFont font, qreal factor)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, Scaled(font.pixelSize(), factor)));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

bool InSomeLayout(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (!parent) return false;
    for (const QLayout* layout : parent->findChildren<QLayout*>())
        if (layout->indexOf(const_cast<QWidget*>(widget)) >= 0) return true;
    return false;
}

// The dialog's own controls, not those of windows opened over it.
std::vector<QWidget*> Controls(QWidget* dialog)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        bool own = true;
        for (QWidget* up = child; up != dialog && own; up = up->parentWidget())
            own = !up->isWindow();
        if (own) controls.push_back(child);
    }
    return controls;
}

// A caption (a label, a button's text) placed by hand.
bool IsCaption(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    return qobject_cast<const QAbstractButton*>(widget) || (label && !label->wordWrap());
}

struct TBefore {
    QWidget* widget;
    QFont font;
    bool ownFont;
    QRect geometry;
    bool placed; // by hand, not by a layout
    QSize minimum, maximum;
    bool fitted; // a caption whose text had room
};

// Text is a little wider at a larger size than in proportion: a caption
// that had room for its text keeps it, as far as its parent reaches.
void KeepRoom(const TBefore& was)
{
    QWidget* w = was.widget;
    if (!was.placed || !was.fitted) return;
    const QSize wanted = w->sizeHint();
    if (wanted.width() <= w->width() && wanted.height() <= w->height()) return;
    const QWidget* parent = w->parentWidget();
    const QSize reach = parent ? parent->size() - QSize(w->x(), w->y()) : wanted;
    w->resize(std::max(w->width(), std::min(wanted.width(), reach.width())),
        std::max(w->height(), std::min(wanted.height(), reach.height())));
}

void Apply(const TBefore& was, qreal factor)
{
    QWidget* w = was.widget;
    if (was.ownFont) w->setFont(Scaled(was.font, factor));
    const QSize minimum(Scaled(was.minimum.width(), factor), Scaled(was.minimum.height(), factor));
    QSize maximum = was.maximum;
    if (maximum.width() < QWIDGETSIZE_MAX)
        maximum.setWidth(std::min(QWIDGETSIZE_MAX, Scaled(maximum.width(), factor)));
    if (maximum.height() < QWIDGETSIZE_MAX)
        maximum.setHeight(std::min(QWIDGETSIZE_MAX, Scaled(maximum.height(), factor)));
    // The bounds first, so the new geometry is not clipped by the old ones.
    w->setMinimumSize(0, 0);
    w->setMaximumSize(maximum);
    w->setMinimumSize(minimum);
    if (!was.placed) return;
    w->setGeometry(Scaled(was.geometry, factor));
    // A picture grows with its box, as the text around it does.
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->pixmap().isNull())
        label->setScaledContents(true);
}

} // namespace

void ScaleDialog(QWidget* dialog, qreal factor)
{
    if (factor == 1.0) return;
    // Everything is read before anything changes: a control that takes its
    // font from its parent must not be scaled twice.
    std::vector<TBefore> before;
    auto read = [&](QWidget* w, bool ownFont, bool placed) {
        const QSize wanted = w->sizeHint();
        const bool fitted
            = IsCaption(w) && wanted.width() <= w->width() && wanted.height() <= w->height();
        before.push_back({ w, w->font(), ownFont, w->geometry(), placed, w->minimumSize(),
            w->maximumSize(), fitted });
    };
    // A window takes no font from the window it opens over: its own is set.
    read(dialog, true, false);
    for (QWidget* control : Controls(dialog))
        read(control, control->testAttribute(Qt::WA_SetFont), !InSomeLayout(control));
    const QSize size = dialog->size();
    for (const TBefore& was : before)
        Apply(was, factor);
    for (const TBefore& was : before)
        KeepRoom(was);
    if (QLayout* layout = dialog->layout()) layout->activate();
    dialog->resize(QSize(Scaled(size.width(), factor), Scaled(size.height(), factor))
                       .expandedTo(dialog->minimumSize())
                       .boundedTo(dialog->maximumSize()));
}

qreal DialogScale(const QWidget* widget)
{
    const QWidget* window = widget ? widget->window() : nullptr;
    const QVariant scale = window ? window->property(kAppliedScale) : QVariant();
    return scale.isValid() ? scale.toReal() : 1.0;
}

int TScaledIndicatorStyle::pixelMetric(
    PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return Scaled(pixels, DialogScale(widget));
    default:
        return pixels;
    }
}

void KeepDialogSize(QWidget* dialog)
{
    dialog->setProperty(kKeepsItsSize, true);
}

TDialogScaler::TDialogScaler(QWidget* window, std::function<qreal()> textScale)
    : QObject(window)
    , FTextScale(std::move(textScale))
{
    window->installEventFilter(this);
}

bool TDialogScaler::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded) {
        // A dialog is made as one from its first moment: only dialogs are
        // watched, so the window's own controls and its menus pay nothing.
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType() && static_cast<QWidget*>(child)->windowType() == Qt::Dialog)
            child->installEventFilter(this);
    } else if (event->type() == QEvent::Show && !event->spontaneous()) {
        if (auto* dialog = qobject_cast<QDialog*>(watched)) Showing(dialog);
    }
    return false;
}

void TDialogScaler::Showing(QWidget* dialog)
{
    if (dialog->property(kKeepsItsSize).toBool()) return;
    const qreal applied = dialog->property(kAppliedScale).isValid()
        ? dialog->property(kAppliedScale).toReal()
        : 1.0;
    qreal wanted = FTextScale ? FTextScale() : 1.0;
    // No larger than the screen has room for (a frame aside).
    const QScreen* screen = dialog->screen();
    const QSize room = screen ? screen->availableGeometry().size() - QSize(16, 48) : QSize();
    if (screen && wanted > 1.0) {
        const QSizeF atOne = QSizeF(dialog->size()) / applied;
        wanted = std::max(1.0,
            std::min({ wanted, room.width() / atOne.width(), room.height() / atOne.height() }));
    }
    if (std::abs(wanted - applied) < 0.01) return;
    // Set first: the check boxes' and radio buttons' marks take their size
    // from it as the dialog is laid out anew.
    dialog->setProperty(kAppliedScale, wanted);
    ScaleDialog(dialog, wanted / applied);
    // A dialog its layout sizes grows a little more than its text: brought
    // back inside the screen in one more step.
    if (screen && wanted > 1.0) {
        const QSize now = dialog->size();
        const qreal over
            = std::max(qreal(now.width()) / room.width(), qreal(now.height()) / room.height());
        if (over > 1.0) {
            const qreal within = std::max(1.0, wanted / over);
            dialog->setProperty(kAppliedScale, within);
            ScaleDialog(dialog, within / wanted);
        }
    }
    // Windows opened over this one follow it.
    dialog->installEventFilter(this);
}
