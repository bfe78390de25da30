#include "tests/support/recording_sink.h"
#include "tests/ui/shell_recorder.h"
#include "ui/about_dialog.h"
#include "ui/about_version.h"
#include "ui/help_viewer.h"
#include "ui/url_label.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
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

TEST(AboutDialog, LinksOpenTheProjectsOwnPageAndMail)
{
    TScopedShellRecorder shell;
    TFAbout about;
    struct Link {
        TUrlLabel* label;
        const char *text, *hint, *address;
    };
    const Link links[] = { { about.WebLink(), "https://zaviko.example.org/", "Zaviko na Webu",
                               "https://zaviko.example.org/" },
        { about.MailLink(), "zaviko@example.org", "Pisi autoru", "mailto:zaviko@example.org" } };
    for (const Link& link : links) {
        EXPECT_EQ(link.label->text(), link.text);
        EXPECT_EQ(link.label->toolTip(), link.hint);
        EXPECT_TRUE(link.label->Click());
    }
    EXPECT_EQ(shell.opened, QStringList({ links[0].address, links[1].address }));
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

} // namespace
