// The window at any size: the table's layout scaled evenly, nothing of it
// overlapping at any size up to 4K, cards drawn at the shown size, and the
// size kept in the settings from one run to the next.
#include "tests/ui/main_window_fixture.h"

#include "ui/dialogs/dialog_scale.h"
#include "ui/window/score_panel.h"
#include "ui/window/table_view.h"
#include "ui/window/window_size_setting.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QTest>

namespace {

struct TPart {
    std::string name;
    QRect rect; // in the window
};

// Every part of the table that must stand clear of the others, where the
// window shows it now.
std::vector<TPart> VisibleParts(TForm1& w)
{
    std::vector<TPart> parts;
    auto add = [&](QWidget* widget) {
        if (widget->isVisibleTo(w.Talon1->parentWidget()))
            parts.push_back(
                { widget->objectName().toStdString(), w.TableToWindow(widget->geometry()) });
    };
    for (TZuCardGroup* g : { w.PlayerS, w.PlayerW, w.PlayerN, w.PlayerE, w.Talon1, w.Talon2 })
        add(g);
    for (TZuCardGroup* g : { w.PlayerS, w.PlayerW, w.PlayerN, w.PlayerE }) {
        g->PlayerNameLabel()->setObjectName(g->objectName() + QStringLiteral("Label"));
        add(g->PlayerNameLabel());
    }
    for (int grid = 0; grid < 3; ++grid) {
        w.ScorePanel(grid)->setObjectName(QStringLiteral("ScorePanel%1").arg(grid));
        add(w.ScorePanel(grid));
    }
    return parts;
}

void ExpectApart(TForm1& w, const std::string& where)
{
    const std::vector<TPart> parts = VisibleParts(w);
    ASSERT_GE(parts.size(), w.PlayerW->isVisible() ? 11u : 7u) << where;
    const QRect view(w.TableView()->mapTo(&w, QPoint(0, 0)), w.TableView()->size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        EXPECT_TRUE(view.contains(parts[i].rect))
            << where << ": " << parts[i].name << " leaves the table";
        for (std::size_t j = i + 1; j < parts.size(); ++j)
            EXPECT_FALSE(parts[i].rect.intersects(parts[j].rect))
                << where << ": " << parts[i].name << " overlaps " << parts[j].name;
    }
}

class WindowScaleTest : public MainWindowTest {
protected:
    TForm1& Shown()
    {
        TForm1& w = Make();
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        return w;
    }
    // The table area (between the menu and the status bar) of `table` size.
    // The menu and the status bar grow with the window: each pass counts
    // them in at the size the last one gave them, until the view has it.
    static void ResizeTableArea(TForm1& w, QSize table)
    {
        for (int pass = 0; pass < 6 && w.TableView()->size() != table; ++pass) {
            w.resize(
                table.width(), table.height() + w.menuBar()->height() + w.statusBar()->height());
            QApplication::processEvents();
            w.SettleTableScale();
            QApplication::processEvents();
        }
    }
};

TEST_F(WindowScaleTest, NothingOverlapsFromTheSmallestWindowTo4K)
{
    for (int mode = 0; mode < 3; ++mode) {
        SetOptions([&](TIni& s) {
            s.NumberOfPlayers = mode;
            s.HumanCardsTight = false; // the widest hand, nearest the score panel
            s.CompCardsTight = false;
        });
        TForm1& w = Shown();
        const QSize smallest = w.minimumSize();
        EXPECT_EQ(w.TableView()->Scale(), 1.0);
        ExpectApart(w, "mode " + std::to_string(mode) + " smallest");
        const QSize sizes[] = { { 1024, 768 }, { 1280, 1024 }, { 1920, 1080 }, { 2560, 1440 },
            { 3840, 2160 }, { 800, 2000 }, { 3840, 700 } };
        for (const QSize& size : sizes) {
            w.resize(size.expandedTo(smallest));
            QApplication::processEvents();
            w.SettleTableScale();
            const std::string where = "mode " + std::to_string(mode) + " at "
                + std::to_string(size.width()) + "x" + std::to_string(size.height());
            ExpectApart(w, where);
            // The table fills the window's table area on one side at least.
            const QRect table = w.TableToWindow(w.Talon1->parentWidget()->rect());
            const QSize area = w.TableView()->size();
            EXPECT_TRUE(std::abs(table.width() - area.width()) <= 1
                || std::abs(table.height() - area.height()) <= 1)
                << where;
            EXPECT_GT(w.TableView()->Scale(), 1.0) << where;
            EXPECT_DOUBLE_EQ(w.PlayerS->ViewScale(), w.TableView()->Scale()) << where;
        }
        w.resize(smallest);
        QApplication::processEvents();
        EXPECT_EQ(w.TableView()->Scale(), 1.0) << "back to 1x";
        ExpectApart(w, "mode " + std::to_string(mode) + " smallest again");
        form.reset();
    }
}

TEST_F(WindowScaleTest, CardsAreDrawnAtTheShownSizeNotStretched)
{
    TForm1& w = Shown();
    const QSize table = w.Talon1->parentWidget()->size();
    ResizeTableArea(w, table * 2);
    ASSERT_DOUBLE_EQ(w.TableView()->Scale(), 2.0);
    const TZuSingleCard* card = nullptr;
    int slot = 0;
    for (; slot < w.Talon1->SlotCount() && !card; ++slot)
        if (!w.Talon1->CardAt(slot)->Empty()) card = w.Talon1->CardAt(slot);
    ASSERT_NE(card, nullptr);
    const QImage* base = card->Picture();
    const QImage* drawn = CardPictureForScale(base, base->devicePixelRatio() * 2);
    ASSERT_NE(drawn, base);
    EXPECT_EQ(drawn->size(), base->size() * 2);
    EXPECT_DOUBLE_EQ(w.Talon1->Bitmap().devicePixelRatio(), base->devicePixelRatio() * 2);

    // The window shows the picture drawn at twice the size pixel for pixel;
    // a stretched 1x picture would differ along every edge of its drawing.
    const QImage shown = w.grab().toImage();
    const QRect bounds = card->BoundsRect().translated(w.Talon1->pos());
    const QPoint corner = w.TableToWindow(bounds).topLeft() * shown.devicePixelRatio();
    int differing = 0;
    const int inset = 4 * int(drawn->devicePixelRatio()); // clear of the cut corners
    for (int y = inset; y < drawn->height() - inset; ++y)
        for (int x = inset; x < drawn->width() - inset; ++x)
            differing += shown.pixel(corner + QPoint(x, y)) != drawn->pixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(WindowScaleTest, TheWholeTableShowsAtEveryShape)
{
    TForm1& w = Shown();
    for (const QSize& size : { QSize(1900, 600), QSize(800, 1000), QSize(1100, 700) }) {
        ResizeTableArea(w, size);
        const std::string where
            = std::to_string(size.width()) + "x" + std::to_string(size.height());
        const QImage shown = w.grab().toImage();
        // The cards by the table's far edges show there: the right-hand
        // column and the human's hand, not the bare green of the view.
        for (TZuCardGroup* g : { w.PlayerE, w.PlayerS }) {
            const QPoint middle = w.TableToWindow(g->geometry()).center();
            ASSERT_TRUE(shown.rect().contains(middle)) << where;
            EXPECT_NE(shown.pixelColor(middle * shown.devicePixelRatio()), QColor(0, 0x80, 0))
                << where << ": " << g->objectName().toStdString() << " does not show";
        }
    }
}

TEST_F(WindowScaleTest, TheSizeIsKeptInTheSettingsAndRestored)
{
    // The text of the key, both ways.
    const TKeptWindowSize plain { QSize(1000, 700), false };
    const TKeptWindowSize big { QSize(1200, 900), true };
    EXPECT_EQ(WindowSizeText(plain), QStringLiteral("1000x700"));
    EXPECT_EQ(WindowSizeText(big), QStringLiteral("1200x900 maximized"));
    EXPECT_EQ(ParseWindowSize(WindowSizeText(plain)), plain);
    EXPECT_EQ(ParseWindowSize(WindowSizeText(big)), big);
    for (const char* bad : { "", "1000", "1000x", "x700", "0x700", "1000x-5", "99999x700",
             "1000x700 maximised", "1000 x 700" })
        EXPECT_FALSE(ParseWindowSize(QString::fromLatin1(bad))) << bad;

    // No key: the window opens at 1x. (The sizes stay inside the test
    // screen, as a restored size does.)
    TForm1& first = Shown();
    const QSize smallest = first.minimumSize();
    EXPECT_EQ(first.size(), smallest);
    first.resize(smallest + QSize(20, 20));
    QApplication::processEvents();
    first.close();
    const auto kept = ReadWindowSize(dir.filePath("Zaviko.ini"));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->size, smallest + QSize(20, 20));
    EXPECT_FALSE(kept->maximized);
    // The settings the game writes leave the key alone.
    Settings().SetGameOptions(0, 0, 0, 0, 0, true, false, true, true, true, false);
    EXPECT_EQ(ReadWindowSize(dir.filePath("Zaviko.ini")), kept);

    TForm1& second = Shown();
    EXPECT_EQ(second.size(), smallest + QSize(20, 20));
    EXPECT_GT(second.TableView()->Scale(), 1.0);
    second.showMaximized();
    QApplication::processEvents();
    second.close();
    const auto maximized = ReadWindowSize(dir.filePath("Zaviko.ini"));
    ASSERT_TRUE(maximized);
    EXPECT_TRUE(maximized->maximized);
    EXPECT_EQ(maximized->size, smallest + QSize(20, 20)) << "the size it returns to";

    TForm1& third = Shown();
    EXPECT_TRUE(third.isMaximized());
    third.close();
    form.reset();

    // A kept size smaller than the table at 1x opens at 1x.
    ASSERT_TRUE(StoreWindowSize(dir.filePath("Zaviko.ini"), { QSize(100, 100), false }));
    EXPECT_EQ(Shown().size(), smallest);
}

// What a dialog opened over the window shows: its text's size, its own
// size and, for each text control in turn, whether its text fits it.
struct TDialogSeen {
    int textPixels = 0;
    QSize size;
    int markPixels = 0; // the check boxes' and radio buttons' marks, largest
    std::vector<bool> fits;
    std::vector<std::string> names; // the controls' texts, to say which is cut
};

TDialogSeen Seen(QDialog& dialog)
{
    TDialogSeen seen { QFontInfo(dialog.font()).pixelSize(), dialog.size(), 0, {}, {} };
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        const auto* button = qobject_cast<QAbstractButton*>(control);
        if (!button && !(label && !label->wordWrap())) continue;
        QSize wanted = control->sizeHint();
        // A check box or radio button: its mark, and its text beside it (the
        // size it asks for has some slack of the style's).
        const bool check = qobject_cast<QCheckBox*>(control) != nullptr;
        if (check || qobject_cast<QRadioButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(control);
            QStyle* style = control->style();
            const QRect mark = style->subElementRect(
                check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option,
                control);
            seen.markPixels = std::max(seen.markPixels, mark.height());
            const int spacing = style->pixelMetric(
                check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing,
                &option, control);
            QString text = button->text();
            text.remove(QLatin1Char('&'));
            wanted.setWidth(
                mark.right() + 1 + spacing + control->fontMetrics().horizontalAdvance(text));
        }
        seen.fits.push_back(
            wanted.width() <= control->width() && wanted.height() <= control->height());
        seen.names.push_back((button ? button->text() : label->text()).toStdString() + " wants "
            + std::to_string(wanted.width()) + "x" + std::to_string(wanted.height()) + ", has "
            + std::to_string(control->width()) + "x" + std::to_string(control->height()));
    }
    return seen;
}

TEST_F(WindowScaleTest, DialogsReadAtTheWindowsTextSize)
{
    // The game's style, which draws the marks of check boxes and radio
    // buttons at the dialog's scale.
    QApplication::setStyle(new TScaledIndicatorStyle);
    TForm1& w = Shown();
    const QSize smallest = w.minimumSize();
    THandEndDisplay hand;
    hand.seats = { w.PlayerS, w.PlayerW, w.PlayerN, w.PlayerE };
    hand.lastTakerName = w.PlayerS->PlayerName();
    // "Statistika" and the message box are laid out by Qt, which sizes a
    // table and wraps a text in steps of its own: for them the text grows and
    // the box stays on the screen.
    const std::vector<std::pair<const char*, std::function<void()>>> commands {
        { "Opcije", [&] { w.Opcije1Click(); } },
        { "O programu", [&] { w.About1Click(); } },
        { "Promena imena", [&] { w.Promenaimena1Click(); } },
        { "Statistika", [&] { w.Statistika1Click(); } },
        { "kraj ruke", [&] { static_cast<TMatchView&>(w).ShowHandEnd(hand); } },
        { "poruka",
            [&] {
                QMessageBox box(QMessageBox::Information, QStringLiteral("Zaviko"),
                    QStringLiteral("Partija je sacuvana."), QMessageBox::Ok, &w);
                box.exec();
            } },
    };
    auto open = [&](const std::function<void()>& command) {
        TDialogSeen seen;
        EXPECT_TRUE(WithModal<QDialog>(command, [&](QDialog& dialog) {
            // As it is once the first turns of the event loop have laid it out.
            for (int turn = 0; turn < 3; ++turn)
                QApplication::processEvents();
            seen = Seen(dialog);
            dialog.reject();
        }));
        return seen;
    };
    const QSize room = w.screen()->availableGeometry().size() - QSize(16, 48);
    for (const auto& [name, command] : commands) {
        w.resize(smallest);
        QApplication::processEvents();
        const TDialogSeen small = open(command);
        const bool messageBox = name == std::string("poruka");
        const bool laidOutByQt = messageBox || name == std::string("Statistika");
        EXPECT_EQ(small.textPixels, messageBox ? QFontInfo(QFont()).pixelSize() : 11) << name;
        // Grown a little (the dialog fits the screen) and as far as the text goes.
        for (const qreal grown : { 1.4, 3.0 }) {
            w.resize(smallest * grown);
            QApplication::processEvents();
            const TDialogSeen big = open(command);
            const qreal fit = std::min({ grown, qreal(room.width()) / small.size.width(),
                qreal(room.height()) / small.size.height() });
            const std::string where = std::string(name) + " at " + std::to_string(grown);
            if (laidOutByQt) {
                EXPECT_GT(big.textPixels, small.textPixels) << where;
                EXPECT_LE(big.size.width(), room.width()) << where;
                EXPECT_LE(big.size.height(), room.height()) << where;
                continue;
            }
            EXPECT_NEAR(big.textPixels, small.textPixels * fit, 1.0) << where;
            EXPECT_NEAR(big.markPixels, small.markPixels * fit, 1.0) << where;
            EXPECT_LE(big.size.width(), room.width()) << where;
            EXPECT_LE(big.size.height(), room.height()) << where;
            EXPECT_GE(big.size.width(), small.size.width() * fit * 0.9) << where;
            ASSERT_EQ(big.fits.size(), small.fits.size()) << where;
            for (std::size_t i = 0; i < small.fits.size(); ++i)
                EXPECT_TRUE(!small.fits[i] || big.fits[i]) << where << ": " << big.names[i];
        }
    }
}

// An unchecked item's box, seen in the item's picture: its left edge is the
// first column after the menu's frame that is not the menu's background, and
// as tall as the box is wide; the item's text begins at the next such column past the box.
struct TMenuItemSeen {
    int boxSide = 0;
    int gap = 0; // from the box to the item's text
};

TMenuItemSeen SeenItem(QMenu& menu, QAction* item)
{
    menu.popup(QPoint(0, 0));
    QApplication::processEvents();
    const QImage image = menu.grab(menu.actionGeometry(item)).toImage();
    menu.hide();
    const QColor back = image.pixelColor(image.width() - 3, image.height() / 2);
    auto marked = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return std::abs(c.red() - back.red()) + std::abs(c.green() - back.green())
            + std::abs(c.blue() - back.blue())
            > 60;
    };
    auto column = [&](int x) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            count += marked(x, y);
        return count;
    };
    // Past the menu's frame, a line as tall as the item.
    int left = 0;
    while (left < image.width() && (column(left) == 0 || column(left) >= image.height() - 1))
        ++left;
    const int side = column(left);
    int text = left + side + 1;
    while (text < image.width() && column(text) == 0)
        ++text;
    return { side, text - (left + side) };
}

TEST_F(WindowScaleTest, MenusAndTheirCheckMarksGrowWithTheWindowsText)
{
    QApplication::setStyle(new TScaledIndicatorStyle);
    TForm1& w = Shown();
    QMenu* options = nullptr;
    for (QAction* top : w.menuBar()->actions())
        if (top->menu() && top->menu()->title() == QStringLiteral("&Opcije")) options = top->menu();
    ASSERT_NE(options, nullptr);
    QAction* unchecked = w.findChild<QAction*>(QStringLiteral("Talonkasredini1"));
    ASSERT_NE(unchecked, nullptr);
    ASSERT_FALSE(unchecked->isChecked());

    w.resize(w.minimumSize());
    w.SettleTableScale();
    const TMenuItemSeen small = SeenItem(*options, unchecked);
    const int smallText = QFontInfo(options->font()).pixelSize();
    w.resize(w.minimumSize() * 2);
    w.SettleTableScale();
    const TMenuItemSeen big = SeenItem(*options, unchecked);
    // The window's text grows by the window's own growth, here 2.
    EXPECT_GT(QFontInfo(options->font()).pixelSize(), smallText * 1.7);
    const qreal scale = 2.0;
    EXPECT_NEAR(big.boxSide, small.boxSide * scale, 2.0);
    EXPECT_GE(big.gap, small.gap * scale * 0.8);
    // Submenus are windows of their own: each is told the text's size too.
    for (QMenu* menu : w.menuBar()->findChildren<QMenu*>())
        EXPECT_EQ(QFontInfo(menu->font()).pixelSize(), QFontInfo(options->font()).pixelSize())
            << menu->title().toStdString();
}

} // namespace
