// Renders the options, rename and About dialogs and the help viewer to PNG
// files, filled as the main window fills them.
#include "settings/ini.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/help_viewer.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/rename_dialog.h"

#include "tools/screenshots/sheet_language.h"
#include "tools/screenshots/sheet_program.h"
#include "tools/screenshots/sheets.h"

#include <QTextBrowser>

int RunDialogSheet(int argc, char** argv)
{
    TSheetProgram program(argc, argv, snSettingsFolder);
    if (!program.Ready() || !InstallSheetLanguage()) return 1;
    const QDir folder = program.Dir();
    TIni ini(program.SettingsFile());
    bool ok = true;

    TFOptions options;
    options.FillOptions(&ini, ini.NumberOfPlayers, ini.NumberOfDecks, ini.CompPlays,
        ini.CompPlayDelay, ini.CompWaitForPlay, ini.Clockwise, ini.CompCardsTight,
        ini.HumanCardsTight, ini.CanViewMyCollectedCards, ini.CanViewOtherCollectedCards, ini.Log);
    // With the sounds on, as a player who chose them sees the box.
    options.FillSound(true, 80);
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
    return ok ? 0 : 1;
}
