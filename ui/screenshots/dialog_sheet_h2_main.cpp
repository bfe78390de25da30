// Renders the options, rename and About dialogs and the help viewer to PNG
// files, filled as the main window fills them.
#include "settings/ini.h"
#include "ui/about_dialog.h"
#include "ui/help_viewer.h"
#include "ui/options_dialog.h"
#include "ui/rename_dialog.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <cstdio>

namespace {

bool Save(QWidget& widget, const QDir& folder, const char* name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QLatin1String(name) + QStringLiteral(".png"));
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "written" : "FAILED", qPrintable(path));
    widget.close();
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QDir folder(args.size() > 1 ? args.at(1) : QStringLiteral("screenshots"));
    QTemporaryDir settingsDir; // the sheets never touch the real settings
    if (!folder.mkpath(QStringLiteral(".")) || !settingsDir.isValid()) {
        std::fprintf(
            stderr, "zaviko_dialog_sheet_h2: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    TIni ini(settingsDir.filePath(QStringLiteral("Zaviko.ini")));
    bool ok = true;

    TFOptions options;
    options.FillOptions(&ini, ini.NumberOfPlayers, ini.NumberOfDecks, ini.CompPlays,
        ini.CompPlayDelay, ini.CompWaitForPlay, ini.Clockwise, ini.CompCardsTight,
        ini.HumanCardsTight, ini.CanViewMyCollectedCards, ini.CanViewOtherCollectedCards, ini.Log);
    ok &= Save(options, folder, "options");

    TFPromenaImena rename;
    rename.FillNames(&ini, ini.S, ini.W, ini.N, ini.E);
    ok &= Save(rename, folder, "rename");

    TFAbout about;
    ok &= Save(about, folder, "about");

    const QString helpFile = HelpFileOf(QCoreApplication::applicationDirPath() + "/Zaviko");
    THelpViewer help(helpFile);
    ok &= Save(help, folder, "help");
    help.Browser()->scrollToAnchor(QStringLiteral("primer"));
    ok &= Save(help, folder, "help-primer");
    return ok ? 0 : 1;
}
