// Renders the options, rename and About dialogs and the help viewer to PNG
// files, filled as the main window fills them; and the dialogs again as a
// window maximised on a 1920 x 1080 screen opens them, their text grown
// with the window's ("-grown").
#include "settings/ini.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/dialog_scale.h"
#include "ui/dialogs/help_viewer.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/rename_dialog.h"
#include "ui/dialogs/statistics_dialog.h"

#include "tools/screenshots/sheet_language.h"
#include "tools/screenshots/sheet_program.h"
#include "tools/screenshots/sheets.h"

#include <QMessageBox>
#include <QTextBrowser>

namespace {

// The window's text scale when it is maximised on a 1920 x 1080 screen: the
// height over the smallest window's 572 pixels.
constexpr qreal kMaximisedTextScale = 1080.0 / 572;

void FillOptions(TFOptions& options, TIni& ini)
{
    options.FillOptions(&ini, ini.NumberOfPlayers, ini.NumberOfDecks, ini.CompPlays,
        ini.CompPlayDelay, ini.CompWaitForPlay, ini.Clockwise, ini.CompCardsTight,
        ini.HumanCardsTight, ini.CanViewMyCollectedCards, ini.CanViewOtherCollectedCards, ini.Log);
    // With the sounds on, as a player who chose them sees the box.
    options.FillSound(true, 80);
}

// The dialogs opened over a grown window.
bool SaveGrownDialogs(TIni& ini, const QDir& folder)
{
    QWidget window;
    new TDialogScaler(&window, [] { return kMaximisedTextScale; });
    bool ok = true;
    TFOptions options(&window);
    FillOptions(options, ini);
    ok &= SaveSheet(options, folder, "options-grown");
    TFPromenaImena rename(&window);
    rename.FillNames(&ini, ini.S, ini.W, ini.N, ini.E);
    ok &= SaveSheet(rename, folder, "rename-grown");
    TFAbout about(&window);
    ok &= SaveSheet(about, folder, "about-grown");
    QMessageBox box(QMessageBox::Question, QStringLiteral("Zaviko"),
        TStatisticsDialog::tr("Da li zaista zelis da ponistis svu statistiku?"),
        QMessageBox::Yes | QMessageBox::No, &window);
    ok &= SaveSheet(box, folder, "message-grown");
    return ok;
}

} // namespace

int RunDialogSheet(int argc, char** argv)
{
    TSheetProgram program(argc, argv, snSettingsFolder);
    if (!program.Ready() || !InstallSheetLanguage()) return 1;
    const QDir folder = program.Dir();
    TIni ini(program.SettingsFile());
    bool ok = true;

    TFOptions options;
    FillOptions(options, ini);
    ok &= SaveSheet(options, folder, "options");

    TFPromenaImena rename;
    rename.FillNames(&ini, ini.S, ini.W, ini.N, ini.E);
    ok &= SaveSheet(rename, folder, "rename");

    TFAbout about;
    ok &= SaveSheet(about, folder, "about");

    const QString helpFile = HelpFileIn(
        HelpFileOf(QCoreApplication::applicationDirPath() + "/Zaviko"), CurrentLanguage());
    THelpViewer help(helpFile);
    ok &= SaveSheet(help, folder, "help");
    help.Browser()->scrollToAnchor(QStringLiteral("primer"));
    ok &= SaveSheet(help, folder, "help-primer");
    help.Browser()->scrollToAnchor(QStringLiteral("opcije"));
    ok &= SaveSheet(help, folder, "help-opcije");
    // The keys and the section on playing by ear.
    help.Browser()->scrollToAnchor(QStringLiteral("tasteri"));
    ok &= SaveSheet(help, folder, "help-tasteri");
    help.Browser()->scrollToAnchor(QStringLiteral("sluh"));
    ok &= SaveSheet(help, folder, "help-sluh");
    ok &= SaveGrownDialogs(ini, folder);
    return ok ? 0 : 1;
}
