#include "tests/support/recording_sink.h"
#include "tests/ui/main_window_fixture.h"
#include "tests/ui/shell_recorder.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/about_version.h"
#include "ui/dialogs/help_viewer.h"
#include "ui/desktop/language.h"
#include "ui/dialogs/url_label.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

TEST(AboutDialog, VersionLineNamesTheMonthFromOurOwnTable)
{
    const char* months[] = { "januar", "februar", "mart", "april", "maj", "jun", "jul", "avgust",
        "septembar", "oktobar", "novembar", "decembar" };
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(VersionText("1.2.3", 2026, m),
            QStringLiteral("Verzija 1.2.3, %1 2026").arg(months[m - 1]));
    EXPECT_EQ(SerbianMonthName(0), "");
    EXPECT_EQ(SerbianMonthName(13), "");

    TFAbout about;
    const QString shown = about.findChild<QLabel*>("LabelVersion")->text();
    const QRegularExpression form("^Verzija (\\d+(\\.\\d+)*), ([a-z]+) (\\d{4})$");
    const QRegularExpressionMatch match = form.match(shown);
    ASSERT_TRUE(match.hasMatch()) << shown.toStdString();
    bool known = false;
    for (int m = 1; m <= 12; ++m)
        known = known || match.captured(3) == SerbianMonthName(m);
    EXPECT_TRUE(known) << shown.toStdString();
}

// With addresses given to the build each link opens its own, clicked as a
// player clicks; without them the web link leads to the game's own help and
// the mail link is not shown.
TEST(AboutDialog, LinksLeadWhereTheBuildSays)
{
    TScopedShellRecorder shell;
    {
        TFAbout about(nullptr, { "https://zaviko.rs/", "autor@zaviko.rs" });
        about.show();
        struct Link {
            TUrlLabel* label;
            const char *text, *hint, *address;
        };
        const Link links[] = { { about.WebLink(), "https://zaviko.rs/", "Zaviko na Webu",
                                   "https://zaviko.rs/" },
            { about.MailLink(), "autor@zaviko.rs", "Pisi autoru", "mailto:autor@zaviko.rs" } };
        for (const Link& link : links) {
            EXPECT_EQ(link.label->text(), link.text);
            EXPECT_EQ(link.label->toolTip(), link.hint);
            EXPECT_TRUE(link.label->isVisible());
            QTest::mouseClick(link.label, Qt::LeftButton);
        }
        EXPECT_EQ(shell.opened, QStringList({ links[0].address, links[1].address }));
        EXPECT_FALSE(about.HelpAsked());
    }
    shell.opened.clear();
    TFAbout about(nullptr, {});
    about.show();
    EXPECT_TRUE(about.MailLink()->isHidden());
    EXPECT_EQ(about.WebLink()->text(), "Pomoc za Zaviko");
    QTest::mouseClick(about.WebLink(), Qt::LeftButton);
    EXPECT_TRUE(about.HelpAsked());
    EXPECT_FALSE(about.isVisible()) << "closed to make way for the help";
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_TRUE(shell.opened.isEmpty());
}

// The build here gives no addresses: "O Programu"'s web link opens the help
// page shipped beside the game, in the help window.
TEST_F(MainWindowTest, TheAboutBoxsWebLinkOpensTheShippedHelp)
{
    if (!TAboutLinks::Built().homePage.isEmpty()) GTEST_SKIP() << "built with a home page";
    TScopedShellRecorder shell;
    // "Pomoc" reads the page beside the running program: here, the tests'.
    const QString page = HelpFileOf(QCoreApplication::applicationFilePath());
    const bool copied = !QFile::exists(page)
        && QFile::copy(HelpFileOf(QCoreApplication::applicationDirPath() + "/Zaviko"), page);
    struct TRemove {
        QString file;
        ~TRemove()
        {
            if (!file.isEmpty()) QFile::remove(file);
        }
    } remove { copied ? page : QString() };
    TForm1& w = Make();
    ASSERT_TRUE(WithModal<TFAbout>([&] { w.About1Click(); },
        [](TFAbout& about) { QTest::mouseClick(about.WebLink(), Qt::LeftButton); }));
    THelpViewer* viewer = w.findChild<THelpViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->Browser()->toPlainText().contains("Pravila"));
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(sink.shown.errors.empty());
    viewer->close();
}

TEST(HelpViewer, HelpFileIsTheProgramsPathWithHlp)
{
    EXPECT_EQ(HelpFileOf("/opt/zaviko/Zaviko.exe"), "/opt/zaviko/Zaviko.hlp");
    EXPECT_EQ(HelpFileOf("/opt/z.1/Zaviko.bin.exe"), "/opt/z.1/Zaviko.bin.hlp");
}

TEST(HelpViewer, MissingOrUnreadableFileIsReportedNotShown)
{
    QTemporaryDir dir;
    const QString locked = dir.filePath("locked.hlp");
    QFile file(locked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body>x</body></html>");
    file.close();
    file.setPermissions(QFileDevice::Permissions());
    std::vector<QString> paths = { dir.filePath("Zaviko.hlp"), dir.path() };
    if (!QFile(locked).open(QIODevice::ReadOnly)) paths.push_back(locked); // not as root
    for (const QString& path : paths) {
        TScopedRecordingSink sink;
        EXPECT_EQ(ShowHelp(nullptr, path), nullptr);
        ASSERT_EQ(sink.shown.errors.size(), 1u) << path.toStdString();
        EXPECT_NE(sink.shown.errors[0].find(path.toStdString()), std::string::npos);
        EXPECT_EQ(sink.shown.errors[0].rfind("Pomoc nije dostupna", 0), 0u);
    }
}

// The page the build puts beside the test programs, as beside the game.
TEST(HelpViewer, ShowsTheShippedPageAsHtml)
{
    TScopedRecordingSink sink;
    const QString shipped = HelpFileOf(QCoreApplication::applicationDirPath() + "/Zaviko");
    THelpViewer* viewer = ShowHelp(nullptr, shipped);
    ASSERT_NE(viewer, nullptr) << shipped.toStdString();
    const QString text = viewer->Browser()->toPlainText();
    for (const char* part :
        { "Pravila", "Primer", "Poeni", "Nacini igre", "Opcije", "Tasteri", "F1" })
        EXPECT_TRUE(text.contains(part)) << part;
    EXPECT_FALSE(text.contains("<h1>")); // read as HTML, not as plain text
    EXPECT_TRUE(sink.shown.errors.empty());
    viewer->close(); // frees itself
}

// Each language's page says what the game does with a card that cannot take
// the marked cards: the status bar's own words.
TEST(HelpViewer, EachPageQuotesTheStatusBarForACardThatCannotTake)
{
    const QString shipped = HelpFileOf(QCoreApplication::applicationDirPath() + "/Zaviko");
    for (const TLanguage& language : Languages()) {
        const QString code = QString::fromLatin1(language.code);
        ASSERT_TRUE(InstallLanguage(code)) << language.code;
        QFile page(HelpFileIn(shipped, code));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
        const QString text = QString::fromUtf8(page.readAll()).simplified();
        const QString notice = QCoreApplication::translate(
            "TMatchController", "Oznacene karte ne mogu da se uzmu ovom kartom.");
        EXPECT_TRUE(text.contains(notice)) << language.code;
    }
    InstallLanguage(QString::fromLatin1(SourceLanguage));
}

} // namespace
