#include "ui/dialogs/dialog_scale.h"

#include <QChildEvent>
#include <QAbstractButton>
#include <QDialog>
#include <QFontInfo>
#include <QTimer>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <QStyleOption>

#include <algorithm>
#include <optional>
#include <cmath>
#include <vector>

namespace {

const char* const kAppliedScale = "zavikoDialogScale";
const char* const kKeepsItsSize = "zavikoKeepsItsSize";
const char* const kFitting = "zavikoFittingScreen";

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

namespace {

// The room a dialog has on its screen, a frame aside.
QSize RoomFor(const QWidget* dialog)
{
    const QScreen* screen = dialog->screen();
    return screen ? screen->availableGeometry().size() - QSize(16, 48) : QSize();
}

qreal AppliedScale(const QWidget* dialog)
{
    const QVariant applied = dialog->property(kAppliedScale);
    return applied.isValid() ? applied.toReal() : 1.0;
}

// A grown dialog that has come out larger than its screen is scaled down
// until it fits, or back to 1x.
void FitScreen(QWidget* dialog)
{
    const QSize room = RoomFor(dialog);
    for (int step = 0; step < 3 && !room.isEmpty(); ++step) {
        const qreal applied = AppliedScale(dialog);
        const qreal over = std::max(
            qreal(dialog->width()) / room.width(), qreal(dialog->height()) / room.height());
        if (applied <= 1.0 || over <= 1.0) return;
        // At least a pixel less text, since the text's size is whole pixels.
        const int pixels = QFontInfo(dialog->font()).pixelSize();
        const int fewer = std::min(pixels - 1, int(std::floor(pixels / over)));
        const qreal within = std::max(1.0, applied * fewer / pixels);
        dialog->setProperty(kAppliedScale, within);
        ScaleDialog(dialog, within / applied);
    }
}

} // namespace

qreal DialogScale(const QWidget* widget)
{
    return widget ? AppliedScale(widget->window()) : 1.0;
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

namespace {

// A menu at 1x: the check mark's side and left edge, and where the items'
// text begins, which the style places that far past the width it is told
// the items' icons take.
constexpr int kMenuMarkSide = 14;
constexpr int kMenuMarkLeft = 7;
constexpr int kMenuTextLeft = 33;
constexpr int kMenuTextPastIcons = 13;

// An item of a grown menu, laid out with its check column and the text after
// it grown by the menu's scale; nothing for an item of a menu at 1x.
std::optional<QStyleOptionMenuItem> GrownMenuItem(const QStyleOption* option, qreal scale)
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item || scale <= 1.0) return std::nullopt;
    QStyleOptionMenuItem grown(*item);
    grown.maxIconWidth
        = std::max(grown.maxIconWidth, Scaled(kMenuTextLeft, scale) - kMenuTextPastIcons);
    return grown;
}

} // namespace

void SetTextScale(QWidget* window, qreal scale)
{
    window->setProperty(kAppliedScale, scale);
}

QSize TScaledIndicatorStyle::sizeFromContents(
    ContentsType type, const QStyleOption* option, const QSize& size, const QWidget* widget) const
{
    if (type == CT_MenuItem)
        if (const auto grown = GrownMenuItem(option, DialogScale(widget)))
            return QProxyStyle::sizeFromContents(type, &*grown, size, widget);
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

// The style draws a menu's check mark at one size whatever the text's; a
// grown menu's item is drawn without it and the mark drawn here at the
// menu's scale.
void TScaledIndicatorStyle::drawControl(ControlElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget) const
{
    const qreal scale = DialogScale(widget);
    const auto grown = element == CE_MenuItem ? GrownMenuItem(option, scale) : std::nullopt;
    if (!grown) return QProxyStyle::drawControl(element, option, painter, widget);
    if (grown->checkType == QStyleOptionMenuItem::NotCheckable || !grown->icon.isNull())
        return QProxyStyle::drawControl(element, &*grown, painter, widget);
    QStyleOptionMenuItem plain = *grown;
    plain.checkType = QStyleOptionMenuItem::NotCheckable;
    plain.checked = false;
    QProxyStyle::drawControl(element, &plain, painter, widget);
    const int side = Scaled(kMenuMarkSide, scale);
    QStyleOptionButton mark;
    mark.QStyleOption::operator=(*option);
    mark.rect = visualRect(grown->direction, grown->rect,
        QRect(grown->rect.left() + Scaled(kMenuMarkLeft, scale),
            grown->rect.center().y() - side / 2 + 1, side, side));
    mark.state &= ~(State_On | State_Off | State_MouseOver | State_Sunken);
    mark.state |= grown->checked ? State_On : State_Off;
    proxy()->drawPrimitive(grown->checkType == QStyleOptionMenuItem::Exclusive
            ? PE_IndicatorRadioButton
            : PE_IndicatorCheckBox,
        &mark, painter, widget);
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
    } else if (event->type() == QEvent::Resize) {
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isVisible())
            Resized(dialog);
    }
    return false;
}

void TDialogScaler::Showing(QWidget* dialog)
{
    if (dialog->property(kKeepsItsSize).toBool()) return;
    const qreal applied = AppliedScale(dialog);
    qreal wanted = FTextScale ? FTextScale() : 1.0;
    // No larger than the screen has room for.
    const QSize room = RoomFor(dialog);
    if (!room.isEmpty() && wanted > 1.0) {
        const QSizeF atOne = QSizeF(dialog->size()) / applied;
        wanted = std::max(1.0,
            std::min({ wanted, room.width() / atOne.width(), room.height() / atOne.height() }));
    }
    // Windows opened over this one follow it; its growing is watched.
    dialog->installEventFilter(this);
    if (std::abs(wanted - applied) < 0.01) return;
    // Set first: the check boxes' and radio buttons' marks take their size
    // from it as the dialog is laid out anew.
    dialog->setProperty(kAppliedScale, wanted);
    ScaleDialog(dialog, wanted / applied);
    // A dialog its layout sizes grows a little more than its text.
    FitScreen(dialog);
}

void TDialogScaler::Resized(QWidget* dialog)
{
    // A table fitted to its contents takes its final size a turn of the
    // event loop after the text has grown: the dialog is fitted then.
    if (AppliedScale(dialog) <= 1.0 || dialog->property(kFitting).toBool()) return;
    const QSize room = RoomFor(dialog);
    if (room.isEmpty() || (dialog->width() <= room.width() && dialog->height() <= room.height()))
        return;
    dialog->setProperty(kFitting, true);
    QTimer::singleShot(0, dialog, [dialog] {
        FitScreen(dialog);
        dialog->setProperty(kFitting, false);
    });
}
