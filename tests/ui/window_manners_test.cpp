// How the window meets a new player: where it and its boxes open, the menus'
// letters and texts, the row buttons' tooltips, F1 with help open, the answer
// Enter gives to a destructive question, and messages in the game's language.
#include "tests/ui/main_window_fixture.h"
#include "tests/support/run_until.h"

#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/help_viewer.h"
#include "ui/access/key_list.h"
#include "ui/desktop/language.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/rename_dialog.h"
#include "ui/window/score_panel.h"
#include "ui/dialogs/statistics_dialog.h"
#include "game/controller/statistics_store.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

namespace {

// Within this many pixels the centres of two windows count as one.
constexpr int kSlack = 2;

void ExpectCentredOver(const QWidget& window, const QWidget& over, const char* what)
{
    const QPoint a = window.geometry().center(), b = over.geometry().center();
    EXPECT_NEAR(a.x(), b.x(), kSlack) << what;
    EXPECT_NEAR(a.y(), b.y(), kSlack) << what;
}

// Serves events until a modal window is up; null when none came.
QWidget* WaitForModal()
{
    for (int i = 0; i < 1000 && !QApplication::activeModalWidget(); ++i)
        ServeEventsOnce();
    return QApplication::activeModalWidget();
}

class WindowManners : public MainWindowTest {
protected:
    // The shown window in the top left corner, so that "over the window"
    // and "over the screen" are different places.
    TForm1& ShownInTheCorner()
    {
        Make();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QApplication::processEvents(); // the start prompt goes to the recorder
        form->move(0, 0);
        const QPoint screenCentre = form->screen()->availableGeometry().center();
        EXPECT_GT((form->geometry().center() - screenCentre).manhattanLength(), 4 * kSlack);
        return *form;
    }
    void ShowRealBoxes() { SetMessageSink(MakeMessageBoxSink()); }
};

TEST_F(WindowManners, TheWindowOpensCentredOnTheScreen)
{
    Make();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QPoint centre = form->screen()->availableGeometry().center();
    EXPECT_NEAR(form->frameGeometry().center().x(), centre.x(), kSlack);
    EXPECT_NEAR(form->frameGeometry().center().y(), centre.y(), kSlack);
}

TEST_F(WindowManners, MessageBoxesAndDialogsOpenCentredOverTheWindow)
{
    ShownInTheCorner();
    SeedWhereHumanStarts();
    ShowRealBoxes();
    // "Pocni igru" with the human to start: the game's own message box.
    bool seen = false;
    QTimer::singleShot(0, form.get(), [&] {
        QWidget* modal = WaitForModal();
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            ADD_FAILURE() << (modal ? modal->metaObject()->className() : "no modal window");
            return;
        }
        seen = true;
        EXPECT_EQ(box->text(), "Ti igras prvi.");
        ExpectCentredOver(*box, *form, "message box");
        box->done(0);
    });
    form->Pocniigru1Click();
    EXPECT_TRUE(seen);

    const TMenuActions& menu = form->Menu();
    for (QAction* action : { menu.Options, menu.Rename, menu.Statistics, menu.About }) {
        const std::string item = action->objectName().toStdString();
        bool opened = false;
        QTimer::singleShot(0, form.get(), [&] {
            auto* dialog = qobject_cast<QDialog*>(WaitForModal());
            if (!dialog) return;
            opened = true;
            ExpectCentredOver(*dialog, *form, item.c_str());
            dialog->reject();
        });
        action->trigger();
        EXPECT_TRUE(opened) << item;
    }
}

TEST_F(WindowManners, EnterOnTheStatisticsResetAnswersNo)
{
    Make();
    form->Statistics().Record({ TMatchEventKind::HintShown, kTwoPlayers, 1 });
    ASSERT_FALSE(form->Statistics().Statistics().Empty());
    ShowRealBoxes();
    QString defaultAnswer;
    const bool opened = WithModal<TStatisticsDialog>([this] { form->Statistika1Click(); },
        [&](TStatisticsDialog& dialog) {
            QTimer::singleShot(0, &dialog, [&] {
                auto* box = qobject_cast<QMessageBox*>(WaitForModal());
                if (!box) return;
                if (box->defaultButton()) defaultAnswer = box->defaultButton()->text();
                QTest::keyClick(box, Qt::Key_Return);
            });
            dialog.findChild<QPushButton*>("ButtonReset")->click();
            dialog.accept();
        });
    ASSERT_TRUE(opened);
    EXPECT_EQ(defaultAnswer, "Ne");
    EXPECT_FALSE(form->Statistics().Statistics().Empty());
}

TEST_F(WindowManners, MenusCarryLettersAndDialogItemsEndInDots)
{
    Make();
    struct Item {
        const char* name;
        const char* text;
        QKeySequence key;
    };
    const Item items[] = {
        { "New1", "&Nova", QKeySequence(Qt::Key_N) },
        { "Pocniigru1", "&Pocni igru", {} },
        { "Savet1", "&Savet", QKeySequence(Qt::Key_H) },
        { "Gotovo1", "&Gotovo", QKeySequence(Qt::ALT | Qt::Key_F4) },
        { "Tabelavidljiva1", "&Tabela vidljiva", QKeySequence(Qt::Key_T) },
        { "Pokupljenekarte1", "Po&kupljene karte", {} },
        { "Promenaimena1", "&Promena imena...", {} },
        { "Opcije1", "&Opcije...", {} },
        { "Statistika1", "&Statistika...", {} },
        { "Pomoc1", "&Pomoc...", QKeySequence(Qt::Key_F1) },
        { "About1", "&O Programu...", {} },
    };
    for (const Item& item : items) {
        auto* action = form->findChild<QAction*>(QString::fromLatin1(item.name));
        ASSERT_TRUE(action) << item.name;
        EXPECT_EQ(action->text(), item.text);
        EXPECT_EQ(action->shortcut(), item.key) << item.name;
    }

    // Alt and the letter open each menu through a real key press; within a
    // menu no two items share a letter.
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const std::pair<Qt::Key, const char*> menus[]
        = { { Qt::Key_I, "&Igra" }, { Qt::Key_O, "&Opcije" }, { Qt::Key_P, "&Pomoc" } };
    for (const auto& [key, title] : menus) {
        QTest::keyClick(form.get(), key, Qt::AltModifier);
        auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(open) << title;
        EXPECT_EQ(open->title(), title);
        QSet<QChar> letters;
        for (QAction* action : open->actions()) {
            if (action->isSeparator()) continue;
            const int amp = action->text().indexOf('&');
            ASSERT_GE(amp, 0) << action->text().toStdString();
            const QChar letter = action->text().at(amp + 1).toLower();
            EXPECT_FALSE(letters.contains(letter)) << action->text().toStdString();
            letters.insert(letter);
        }
        open->close();
    }
}

TEST_F(WindowManners, RowButtonsNameTheirSeatAlsoAfterARename)
{
    Make();
    auto expectNames = [this](const char* when) {
        for (int grid = 0; grid < 3; ++grid) {
            TScorePanel* panel = form->ScorePanel(grid);
            for (std::size_t i = 0; i < panel->Buttons().size(); ++i) {
                const QString name = Controller().Seat(panel->ButtonSeats()[i])->PlayerName();
                EXPECT_EQ(panel->Buttons()[i]->toolTip(), "Pokupljene karte: " + name)
                    << when << " grid " << grid;
            }
        }
    };
    expectNames("at start");
    const bool opened = WithModal<TFPromenaImena>([this] { form->Promenaimena1Click(); },
        [](TFPromenaImena& dialog) {
            const char* edits[] = { "EditSouth", "EditWest", "EditNorth", "EditEast" };
            const char* names[] = { "Ana", "Bora", "Cile", "Dara" };
            for (int i = 0; i < 4; ++i)
                dialog.findChild<QLineEdit*>(edits[i])->setText(names[i]);
            dialog.findChild<QPushButton*>("ButtonAccept")->click();
        });
    ASSERT_TRUE(opened);
    ASSERT_EQ(form->PlayerW->PlayerName(), "Bora");
    expectNames("after the rename");
}

TEST_F(WindowManners, F1WithHelpOpenRaisesItInsteadOfOpeningAnother)
{
    // The help page beside this program, as beside the game.
    const QString page = HelpFileOf(QApplication::applicationFilePath());
    const QString shipped = HelpFileOf(QCoreApplication::applicationDirPath() + "/Zaviko");
    const bool copied = !QFileInfo::exists(page) && QFile::copy(shipped, page);
    ASSERT_TRUE(QFileInfo::exists(page));
    Make();
    form->show();
    auto viewers = [this] {
        int visible = 0;
        for (THelpViewer* viewer : form->findChildren<THelpViewer*>())
            visible += viewer->isVisible();
        return visible;
    };
    for (int press = 1; press <= 2; ++press) {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key_F1);
        EXPECT_EQ(viewers(), 1) << "after F1 number " << press;
    }
    auto* viewer = form->findChild<THelpViewer*>();
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(QTest::qWaitForWindowActive(viewer));
    viewer->close();
    if (copied) QFile::remove(page);
}

TEST_F(WindowManners, ALogThatCannotBeOpenedIsExplainedInSerbian)
{
    // A folder where the log file should be: no file can be opened there.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Zaviko.log"));
    SetOptions([](TIni& s) { s.Log = true; });
    Make();
    const QString log = QDir::toNativeSeparators(dir.filePath("Zaviko.log"));
    EXPECT_EQ(sink.shown.errors,
        std::vector<std::string> { "Dnevnik igre ne moze da se koristi: datoteka \""
            + log.toStdString() + "\" ne moze da se otvori za pisanje." });
    EXPECT_FALSE(Controller().LogEnabled());
}

} // namespace

// Every key a menu item answers to is in the About box's list and on the help
// page of every language, so the three cannot drift apart.
TEST_F(MainWindowTest, TheAboutBoxAndEveryHelpPageListEveryMenuKey)
{
    Make();
    TFAbout about;
    const QString aboutKeys = about.Keys()->text();
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/Zaviko");
    QStringList pages;
    for (const TLanguage& language : Languages()) {
        QFile page(HelpFileIn(HelpFileOf(program), QString::fromLatin1(language.code)));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
        pages << QString::fromUtf8(page.readAll());
    }
    int keys = 0;
    for (QAction* action : form->findChildren<QAction*>()) {
        if (action->shortcut().isEmpty()) continue;
        ++keys;
        const QString key = action->shortcut().toString(QKeySequence::PortableText);
        EXPECT_TRUE(std::any_of(GameKeys().begin(), GameKeys().end(),
            [&key](const TGameKey& listed) { return key == QLatin1String(listed.key); }))
            << key.toStdString();
        EXPECT_TRUE(aboutKeys.contains(QStringLiteral("<b>%1</b>").arg(key))) << key.toStdString();
        for (const QString& page : pages)
            EXPECT_TRUE(page.contains(QStringLiteral("<td>%1</td>").arg(key))) << key.toStdString();
    }
    EXPECT_GE(keys, 6);
}
